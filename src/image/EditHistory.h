#pragma once
// The edit history of one image: every change is a step that can be undone
// and redone, and the point where the image was last saved or opened is
// marked, so "changed" means "not at that point". Steps carry what they did
// as values, never words: the front ends name them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ImageDelta.h"

namespace rk {

enum class StepKind : std::uint8_t {
    Edit,    // the user changed a field or the settings
    Read,    // a completed read from the radio
    Import,  // a channel table imported into the image
    Rows,    // a command on whole channel rows of the channel table
};

// The row commands of the channel table, so that a step can name its own.
enum class RowCommand : std::uint8_t { Paste, Clear, MoveUp, MoveDown, Sort };

struct StepInfo {
    StepKind kind = StepKind::Edit;
    // The current channel before and after the step; undo goes back to the
    // first, redo to the second.
    std::int32_t channelBefore = 0;
    std::int32_t channelAfter = 0;
    RowCommand rows = RowCommand::Paste;  // what a Rows step did
};

class EditHistory {
public:
    // Starts afresh at a saved point (New, Open).
    void Clear();

    // Records a change from `before` to `after` and drops what could be
    // redone. An edit or import of no byte is no step; a read always is. An edit with a nonzero
    // `typingKey` (a number field) joins the last step when that one was made
    // with the same key on the same channel and nothing came between.
    // Returns whether a step was added or joined.
    bool Record(const RadioImage& before, const RadioImage& after, const StepInfo& info, int typingKey = 0);
    // The next edit starts a step of its own.
    void EndTyping() { m_typingKey = 0; }

    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < m_steps.size(); }
    // The steps Undo and Redo would act on.
    std::optional<StepInfo> UndoStep() const;
    std::optional<StepInfo> RedoStep() const;
    // `image` as it was before the step to undo, or after the step to redo;
    // `image` is the one the history is at.
    std::optional<RadioImage> BeforeUndo(const RadioImage& image) const;
    std::optional<RadioImage> AfterRedo(const RadioImage& image) const;
    // Applies the step to `image`, which must be the image the history is at.
    std::optional<StepInfo> Undo(RadioImage& image);
    std::optional<StepInfo> Redo(RadioImage& image);

    // A change that is no step of its own (derived fields refreshed before a
    // write): it becomes part of where the history is. Undoing the step
    // behind still gives the bytes from before it (with no step behind, the
    // change is part of the starting image); redoing the step ahead gives
    // exactly the bytes that step made.
    void Absorb(const RadioImage& before, const RadioImage& after);

    void MarkSaved();
    bool AtSavedPoint() const { return m_saved == m_position; }

    std::size_t StepCount() const { return m_steps.size(); }
    // Bytes held by the history and its steps.
    std::size_t MemoryUse() const;

private:
    struct Step {
        StepInfo info;
        ImageDelta delta;
    };
    std::vector<Step> m_steps;
    std::size_t m_position = 0;  // steps applied
    // Steps applied at the saved point; none when it was dropped with a redo.
    std::optional<std::size_t> m_saved = 0;
    int m_typingKey = 0;         // the key the last step may still join
};

}  // namespace rk
