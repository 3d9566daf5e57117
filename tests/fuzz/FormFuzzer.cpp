// The real form of either model (the input's first byte chooses) on any
// image file (the rest): opened as File > Open does, every channel chosen
// in the channel selector in turn, every entry of the configured-channel list
// chosen, then saved. Showing never writes: the saved bytes are the file's,
// and the document is not marked changed. The lists follow the choices.
//
// One offscreen QApplication and one form per model serve every input.

#include <QApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "ChoiceList.h"
#include "FormView.h"
#include "FuzzCheck.h"
#include "FuzzOracles.h"
#include "ImageFile.h"
#include "RadioDocument.h"
#include "Rk520View.h"
#include "Rk7400View.h"

using namespace rk;
using namespace rk::fuzz;

namespace {

struct Form {
    RadioDocument document;
    std::unique_ptr<FormView> view;
    ChoiceList* selector = nullptr;
    ChoiceList* configured = nullptr;
};

Form* g_forms[2] = {};

template <typename View>
Form* MakeForm() {
    auto* form = new Form;
    form->document.OnNewDocument();
    form->view = std::make_unique<View>(form->document);
    form->view->OnInitialUpdate();
    form->selector = qobject_cast<ChoiceList*>(form->view->Control(ctl::kChannelSelector));
    form->configured = qobject_cast<ChoiceList*>(form->view->Control(ctl::kValidList));
    FUZZ_CHECK(form->selector && form->configured);
    return form;
}

// The user picks a row, as a click does.
void Choose(ChoiceList* list, int row) {
    list->SelectRow(row);
    emit list->userChose(row);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name; the fuzzer's own options stay its own.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QApplication(qtArgc, qtArgv);
    g_forms[0] = MakeForm<CRk520View>();
    g_forms[1] = MakeForm<CRk7400View>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto image = ParseImageFile({data + 1, size - 1});
    if (!image) return 0;
    Form& form = *g_forms[data[0] & 1];
    RadioDocument& document = form.document;

    document.LoadImage(*image);
    form.view->OnInitialUpdate();
    FUZZ_CHECK(form.view->EditChannel() == 0 && document.CurrentChannel() == 0);

    const ValidChannelList configured = ConfiguredChannels(*image);
    for (int c = 0; c < kChannelCount; ++c) {
        Choose(form.selector, c);
        FUZZ_CHECK(form.view->EditChannel() == c && document.CurrentChannel() == c);
        const auto* at = std::find(configured.begin(), configured.end(), c);
        const int row = at == configured.end() ? -1 : static_cast<int>(at - configured.begin());
        FUZZ_CHECK(form.configured->SelectedRow() == row);
    }
    const int listed = static_cast<int>(std::find(configured.begin(), configured.end(), 0xFF) - configured.begin());
    FUZZ_CHECK(form.configured->count() == listed);
    for (int row = 0; row < listed; ++row) {
        Choose(form.configured, row);
        FUZZ_CHECK(form.view->EditChannel() == configured[static_cast<std::size_t>(row)]);
        FUZZ_CHECK(form.selector->SelectedRow() == form.view->EditChannel());
    }

    const auto saved = SerializeImageFile(document.Image());
    FUZZ_CHECK(std::memcmp(saved.data(), data + 1, kImageSize) == 0);
    FUZZ_CHECK(!document.IsModified());
    QCoreApplication::sendPostedEvents();
    return 0;
}
