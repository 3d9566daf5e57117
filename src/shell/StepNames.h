#pragma once
// The Edit menu's words for the step that Undo or Redo would act on, in the
// interface language: a field edit by the first field of the user's that it
// changed (the channel's record or the settings), a read or an import by its
// kind. Empty when there is no such step or it changed no field the read-back
// report names.

#include <QString>

namespace rk {

class RadioDocument;
struct ModelProfile;

QString UndoStepName(const ModelProfile& profile, const RadioDocument& document);
QString RedoStepName(const ModelProfile& profile, const RadioDocument& document);

}  // namespace rk
