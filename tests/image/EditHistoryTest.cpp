// The document's edit history: random sequences of every kind of change,
// checked against a model that keeps every image the history passes through.

#include <QTest>
#include <optional>
#include <random>
#include <vector>

#include "NewDocument.h"
#include "RadioDocument.h"
#include "RadioImageTest.h"
#include "WriteValidation.h"

using namespace rk;

namespace {

struct Model {
    std::vector<RadioImage> images;  // images[k]: after k steps
    std::size_t position = 0;
    std::optional<std::size_t> saved = 0;
    int typingKey = 0;               // the key the top step may still join
    std::int32_t typingChannel = -1;
};

RadioImage RandomImage(std::mt19937& rng) {
    RadioImage image;
    for (auto& byte : image.Bytes()) byte = static_cast<std::uint8_t>(rng());
    return image;
}

class Run {
public:
    explicit Run(unsigned seed) : m_rng(seed) {
        m_doc.LoadImage(RandomImage(m_rng));
        m_doc.SetCurrentChannel(0);
        m_model.images = {m_doc.Image()};
    }

    // One random change, undo, redo or save; returns false at a mismatch.
    bool Step() {
        const int kind = Pick(10);
        switch (kind) {
        case 0: case 1: case 2: Typed(); break;
        case 3: ChannelChoice(); break;
        case 4: Whole(StepKind::Read); break;
        case 5: Whole(StepKind::Import); break;
        case 6: case 7: UndoOrRedo(Pick(3) != 0); break;
        case 8: Save(); break;
        default: Refresh(); break;
        }
        return Matches();
    }

    bool UndoAllThenRedoAll() {
        while (m_doc.Undo()) --m_model.position;
        if (m_model.position != 0 || !Matches()) return false;
        while (m_doc.Redo()) ++m_model.position;
        return m_model.position == m_model.images.size() - 1 && Matches();
    }

    const RadioDocument& Document() const { return m_doc; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    bool Matches() const {
        const bool modified = m_model.saved != m_model.position;
        return m_channelsRight && m_doc.Image() == m_model.images[m_model.position] && m_doc.IsModified() == modified &&
               m_doc.ValidChannels() == BuildValidChannels(m_doc.Image()) &&
               m_doc.History().CanUndo() == (m_model.position > 0) &&
               m_doc.History().CanRedo() == (m_model.position + 1 < m_model.images.size());
    }

    void Push(const RadioImage& image) {
        m_model.images.resize(m_model.position + 1);
        if (m_model.saved && *m_model.saved > m_model.position) m_model.saved.reset();
        m_model.images.push_back(image);
        ++m_model.position;
    }

    // A typed value (keys 1..3), a list choice (key 0) or a settings edit: a
    // few bytes of one record or of the settings, sometimes none.
    void Typed() {
        const int key = Pick(4);
        const bool settings = Pick(5) == 0;
        const RadioImage before = m_doc.Image();
        const std::size_t base = settings ? kSettingsOffset : static_cast<std::size_t>(m_doc.CurrentChannel()) * kRecordSize;
        const std::size_t span = settings ? kImageSize - kSettingsOffset : kRecordSize;
        const int count = Pick(3);
        const auto edit = [&](RadioImage& image) {
            for (int i = 0; i < count; ++i) image[base + static_cast<std::size_t>(Pick(static_cast<int>(span)))] ^= static_cast<std::uint8_t>(1 + Pick(255));
        };
        RadioImage after = before;
        std::mt19937 replay = m_rng;
        edit(after);
        m_rng = replay;
        m_doc.Edit(edit, key);
        if (after == before) return;
        const bool joins = key != 0 && key == m_model.typingKey && m_model.typingChannel == m_doc.CurrentChannel() &&
                           m_model.position + 1 == m_model.images.size() && m_model.position > 0;
        if (joins) {
            m_model.images.back() = after;
        } else {
            Push(after);
        }
        m_model.typingKey = key;
        m_model.typingChannel = m_doc.CurrentChannel();
    }

    void ChannelChoice() {
        const std::int32_t next = Pick(64);
        if (next != m_doc.CurrentChannel()) m_model.typingKey = 0;
        m_doc.SetCurrentChannel(next);
    }

    void Whole(StepKind kind) {
        RadioImage image = m_doc.Image();
        if (kind == StepKind::Read) {
            image = Pick(4) == 0 ? image : RandomImage(m_rng);
            m_doc.TakeReadImage(image);
            Push(image);
        } else {
            for (int c = Pick(64); c < kChannelCount; c += 1 + Pick(20)) image.Channel(c).setRxFreq(static_cast<std::uint32_t>(m_rng()) & 0xFFFFFF);
            if (m_doc.TakeImportedImage(image)) Push(image);
        }
        m_model.typingKey = 0;
    }

    void UndoOrRedo(bool undo) {
        const auto step = undo ? m_doc.Undo() : m_doc.Redo();
        if (!step) return;
        m_model.typingKey = 0;
        m_model.position = undo ? m_model.position - 1 : m_model.position + 1;
        // Undone, a step gives back the channel it was made on; redone, the
        // one it left current.
        if (m_doc.CurrentChannel() != (undo ? step->channelBefore : step->channelAfter)) m_channelsRight = false;
    }

    void Save() {
        m_doc.MarkSaved();
        m_model.saved = m_model.position;
        m_model.typingKey = 0;
    }

    // The derived fields before a write: part of where the history is only;
    // a redo from here reaches exactly the image its step made.
    void Refresh() {
        const std::uint8_t last = static_cast<std::uint8_t>(Pick(64));
        const std::uint8_t bitmap = static_cast<std::uint8_t>(m_rng());
        m_doc.RefreshDerived([&](RadioImage& image) {
            image[0] = last;
            image[kImageSize - 1] = bitmap;
        });
        RadioImage& here = m_model.images[m_model.position];
        here[0] = last;
        here[kImageSize - 1] = bitmap;
    }

    std::mt19937 m_rng;
    RadioDocument m_doc;
    Model m_model;
    bool m_channelsRight = true;
};

}  // namespace

void EditHistoryTest::randomEditsUndoAndRedoExactly() {
    int steps = 0;
    for (unsigned seed = 1; seed <= 250; ++seed) {
        Run run(seed);
        for (int i = 0; i < 48; ++i, ++steps) {
            if (!run.Step()) QFAIL(qPrintable(QStringLiteral("seed %1 step %2").arg(seed).arg(i)));
        }
        QVERIFY2(run.UndoAllThenRedoAll(), qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
    QVERIFY(steps >= 10'000);
    qInfo("%d random steps", steps);
}

// New document, channel 01 typed; a read of a radio holding 01 and 02; Undo;
// the refresh a write makes; Redo: the radio's bytes, map and highest
// channel included, and undone again the refreshed ones.
void EditHistoryTest::redoAfterWriteRefreshGivesTheStepsBytes() {
    constexpr std::size_t kMapByte = kSettingsOffset + 48;
    const auto configure = [](const ChannelRecord& record) {
        record.setRxFreq(14'500'000);
        record.setTxFreq(14'500'000);
    };
    RadioDocument doc;
    doc.OnNewDocument();
    doc.SetCurrentChannel(0);
    QVERIFY(doc.EditChannel(0, configure, 1020));
    RadioImage radio = doc.Image();
    configure(radio.Channel(1));
    RefreshDerivedFields(radio);
    QCOMPARE(radio[kMapByte], std::uint8_t{0x03});
    doc.TakeReadImage(radio);
    QVERIFY(doc.Undo());
    doc.RefreshDerived([](RadioImage& image) { RefreshDerivedFields(image); });
    RadioImage typed = doc.Image();
    QCOMPARE(typed[kMapByte], std::uint8_t{0x01});
    QCOMPARE(typed[kSettingsOffset], std::uint8_t{0});
    QVERIFY(doc.Redo());
    QCOMPARE(doc.Image()[kMapByte], std::uint8_t{0x03});
    QCOMPARE(doc.Image()[kSettingsOffset], std::uint8_t{1});
    QVERIFY(doc.Image() == radio);
    QVERIFY(doc.Undo());
    QVERIFY(doc.Image() == typed);
    QVERIFY(doc.Undo());
    QVERIFY(doc.Image() == NewDocumentImage());
}

void EditHistoryTest::thousandWholeImageStepsFitInTwoMebibytes() {
    std::mt19937 rng(7);
    RadioDocument doc;
    doc.OnNewDocument();
    for (int i = 0; i < 1000; ++i) doc.TakeReadImage(RandomImage(rng));
    const std::size_t bytes = doc.History().MemoryUse();
    qInfo("1000 whole-image steps hold %zu bytes", bytes);
    QVERIFY(bytes < 2u * 1024 * 1024);
    QCOMPARE(doc.History().StepCount(), std::size_t{1000});
}
