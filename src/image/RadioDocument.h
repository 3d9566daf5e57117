#pragma once
// The document: one radio image and the members derived from it. It lives for
// the whole program; New and Open refill it in place.

#include <cstdint>
#include <functional>
#include <string>

#include "RadioImage.h"

namespace rk {

inline constexpr std::int32_t kNoChannel = 255;

class RadioDocument {
public:
    RadioDocument() = default;
    virtual ~RadioDocument() = default;
    RadioDocument(const RadioDocument&) = delete;
    RadioDocument& operator=(const RadioDocument&) = delete;

    // New-document defaults: every record zero but squelch level 3, both scan
    // groups empty, time limit 5.0 minutes, settingsByte1 15. Clears the
    // changed state.
    bool OnNewDocument();

    // Takes a whole image that came from a file, then rebuilds the derived
    // members as after an open. Clears the changed state.
    void LoadImage(const RadioImage& image);

    // m_validChannels from the image, and the list marked for a refill.
    void RebuildValidChannels();

    // Whether the image changed since it was created, opened, or saved. Every
    // edit and every completed read goes through SetModified(true).
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);
    std::function<void(bool)> modifiedChanged;

    RadioImage m_image;
    ValidChannelList m_validChannels{};
    std::int32_t m_currentChannel = kNoChannel;
    std::int32_t m_validListStale = -1;
    std::string m_portName = "COM1";

private:
    bool m_modified = false;
};

}  // namespace rk
