#pragma once
// What every transfer test starts from: a document holding EarlierImage, the
// menu's port and an empty backup folder of its own.

#include <string>
#include <vector>

#include "FreshBackupFolder.h"
#include "ModelRules.h"
#include "PortSearch.h"
#include "RadioDocument.h"
#include "TestImages.h"

namespace rk::test {

// An image unlike SampleImage that either model's check lets through, loaded
// into the document before a read so that "unchanged" means something.
inline RadioImage EarlierImage() {
    RadioImage image = SampleImage();
    image.Channel(5).setRxFreq(0);
    image.Channel(5).setTxFreq(0);
    image.Channel(30).setRxFreq(41'000'000);
    image.Channel(30).setTxFreq(41'000'000);
    return image;
}

// The document and the port a program would transfer with.
struct DocumentRig {
    explicit DocumentRig(const ModelRules& model) : rules(model) { document.LoadImage(EarlierImage()); }

    std::vector<PortCandidate> Ports() const { return ProgramPorts(rules, menuPort); }
    bool DocumentAsBefore() const {
        return document.Image() == EarlierImage() && document.ValidChannels() == BuildValidChannels(EarlierImage()) &&
               !document.IsModified();
    }

    FreshBackupFolder backups;
    const ModelRules& rules;
    std::string menuPort = "COM1";
    RadioDocument document;
};

}  // namespace rk::test
