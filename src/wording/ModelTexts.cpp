#include "ModelTexts.h"

namespace rk {

const char* CheckMessage(const CheckTexts& texts, WriteRule rule) {
    switch (rule) {
    case WriteRule::SameFreqTalkaround: return texts.sameFreqTalkaround;
    case WriteRule::SameFreqRepeater: return texts.sameFreqRepeater;
    case WriteRule::SameFreqReverse: return texts.sameFreqReverse;
    case WriteRule::Split: return texts.split;
    case WriteRule::Band: return texts.band;
    case WriteRule::RxOutOfBand: return texts.rxOutOfBand;
    case WriteRule::TxOutOfBand: return texts.txOutOfBand;
    case WriteRule::RxStep: return texts.rxStep;
    case WriteRule::TxStep: return texts.txStep;
    case WriteRule::TotLimit: return texts.totLimit;
    case WriteRule::RepeaterDelay: return texts.repeaterDelay;
    case WriteRule::None: break;
    }
    return nullptr;
}

}  // namespace rk
