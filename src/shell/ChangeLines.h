#pragma once
// Differences between two images in the words the backups list and the write
// preview share: "05频道 接收频率：145.0125 → 145.0000", the report's field
// names and values in the profile's "field: before → after" form, at most
// kPreviewLines lines and then one that counts the rest.

#include <QStringList>
#include <vector>

#include "ImageDiff.h"

namespace rk {

class TranslatedTexts;
struct ModelProfile;

QStringList ChangeLines(const ModelProfile& profile, const TranslatedTexts& texts,
                        const std::vector<FieldDifference>& differences);

}  // namespace rk
