#include "EditHistory.h"

namespace rk {

void EditHistory::Clear() {
    m_steps.clear();
    m_steps.shrink_to_fit();
    m_position = 0;
    m_saved = 0;
    m_typingKey = 0;
}

bool EditHistory::Record(const RadioImage& before, const RadioImage& after, const StepInfo& info, int typingKey) {
    ImageDelta delta = ImageDelta::Between(before, after);
    if (delta.Empty() && info.kind != StepKind::Read) return false;
    const bool joins = typingKey != 0 && typingKey == m_typingKey && info.kind == StepKind::Edit &&
                       m_position == m_steps.size() && m_position > 0 &&
                       m_steps.back().info.channelAfter == info.channelBefore;
    m_typingKey = info.kind == StepKind::Edit ? typingKey : 0;
    if (joins) {
        m_steps.back().delta.Append(delta);
        m_steps.back().info.channelAfter = info.channelAfter;
        return true;
    }
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_position), m_steps.end());
    if (m_saved && *m_saved > m_position) m_saved.reset();
    m_steps.push_back({info, std::move(delta)});
    ++m_position;
    return true;
}

std::optional<StepInfo> EditHistory::UndoStep() const {
    if (!CanUndo()) return std::nullopt;
    return m_steps[m_position - 1].info;
}

std::optional<StepInfo> EditHistory::RedoStep() const {
    if (!CanRedo()) return std::nullopt;
    return m_steps[m_position].info;
}

std::optional<RadioImage> EditHistory::BeforeUndo(const RadioImage& image) const {
    if (!CanUndo()) return std::nullopt;
    RadioImage before = image;
    m_steps[m_position - 1].delta.ApplyTo(before);
    return before;
}

std::optional<RadioImage> EditHistory::AfterRedo(const RadioImage& image) const {
    if (!CanRedo()) return std::nullopt;
    RadioImage after = image;
    m_steps[m_position].delta.ApplyTo(after);
    return after;
}

std::optional<StepInfo> EditHistory::Undo(RadioImage& image) {
    if (!CanUndo()) return std::nullopt;
    m_typingKey = 0;
    --m_position;
    m_steps[m_position].delta.ApplyTo(image);
    return m_steps[m_position].info;
}

std::optional<StepInfo> EditHistory::Redo(RadioImage& image) {
    if (!CanRedo()) return std::nullopt;
    m_typingKey = 0;
    m_steps[m_position].delta.ApplyTo(image);
    return m_steps[m_position++].info;
}

void EditHistory::Absorb(const RadioImage& before, const RadioImage& after) {
    const ImageDelta change = ImageDelta::Between(before, after);
    if (change.Empty()) return;
    // The step behind now ends on the changed bytes. The step ahead starts
    // from them: its delta takes the change too, so that redone it gives
    // exactly the bytes it made, and undone again the changed ones.
    if (m_position > 0) m_steps[m_position - 1].delta.Append(change);
    if (m_position < m_steps.size()) m_steps[m_position].delta.Append(change);
}

void EditHistory::MarkSaved() {
    m_saved = m_position;
    m_typingKey = 0;
}

std::size_t EditHistory::MemoryUse() const {
    std::size_t bytes = sizeof(*this) + m_steps.capacity() * sizeof(Step);
    for (const Step& step : m_steps) bytes += step.delta.HeapUse();
    return bytes;
}

}  // namespace rk
