// The cost of the help system on the offscreen platform: a page switch (the
// shown page unloaded, the next loaded, shown and captioned) and the first
// help request (the help window loaded, placed and shown with the topics in
// it), each also with the help window painted.

#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "main/Form1.h"
#include "shared/ProgramFlags.h"

#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using levora::ui::MDIForm1;

levora::ui::Form1& mainWindow() {
    levora::ui::Form1& window = levora::forms::Form1.get();
    window.Show();
    return window;
}

// Deletes what the unloads left for the event loop.
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Alternates between the notice and the glossary page, the largest two.
void switchPage(MDIForm1& help, bool toNotice) {
    if (toNotice) {
        help.Command2_Click();
    } else {
        help.Command4_Click();
    }
}

void pageSwitch(benchmark::State& state, bool painted) {
    mainWindow().mnuHelpTopic->trigger();
    MDIForm1& help = levora::forms::MDIForm1.get();
    bool toNotice = true;
    for (auto _ : state) {
        switchPage(help, toNotice);
        toNotice = !toNotice;
        if (painted) {
            benchmark::DoNotOptimize(help.grab());
        }
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
    if (help.childForms().size() != 1) {
        state.SkipWithError("the help window does not hold exactly one page");
    }
    help.Unload();
    settle();
}

void BM_HelpPageSwitch(benchmark::State& state) { pageSwitch(state, false); }
BENCHMARK(BM_HelpPageSwitch);

void BM_HelpPageSwitchPainted(benchmark::State& state) { pageSwitch(state, true); }
BENCHMARK(BM_HelpPageSwitchPainted);

void firstRequest(benchmark::State& state, bool painted) {
    levora::ui::Form1& window = mainWindow();
    for (auto _ : state) {
        window.mnuHelpTopic->trigger();
        MDIForm1* help = levora::forms::MDIForm1.existing();
        if (painted && help != nullptr) {
            benchmark::DoNotOptimize(help->grab());
        }
        state.PauseTiming();
        if (help == nullptr || levora::ui::TopicsDialogOpen != 1) {
            state.SkipWithError("the request did not open the topics");
            break;
        }
        help->Unload();
        settle();
        state.ResumeTiming();
    }
}

void BM_FirstHelpRequest(benchmark::State& state) { firstRequest(state, false); }
BENCHMARK(BM_FirstHelpRequest);

void BM_FirstHelpRequestPainted(benchmark::State& state) { firstRequest(state, true); }
BENCHMARK(BM_FirstHelpRequestPainted);

} // namespace
