#pragma once
// Wraps one handler's edit of the image: when the handler leaves and the bytes
// differ from what they were, the document is marked changed. Handlers that
// end up changing nothing (a refused option, a repeated value) leave the
// document's state alone.

#include "RadioDocument.h"

namespace rk {

class ImageChangeScope {
public:
    explicit ImageChangeScope(RadioDocument& document) : m_document(document), m_before(document.m_image) {}
    ~ImageChangeScope() {
        if (!(m_document.m_image == m_before)) m_document.SetModified(true);
    }
    ImageChangeScope(const ImageChangeScope&) = delete;
    ImageChangeScope& operator=(const ImageChangeScope&) = delete;

private:
    RadioDocument& m_document;
    const RadioImage m_before;
};

}  // namespace rk
