// The cost of a click on "GO" in the main window, on the offscreen platform:
// the request, the estimation and the three labels set and shown, and the
// same with the result panel and its labels painted.

#include "main/Form1.h"

#include <QEvent>

#include <benchmark/benchmark.h>

namespace {

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

levora::ui::Form1& preparedWindow() {
    levora::ui::Form1& window = levora::forms::Form1.get();
    window.Show();
    window.Text2->setText(QStringLiteral("100"));
    window.Combo1->setListIndex(14);
    window.Combo2->setListIndex(8);
    return window;
}

void BM_GoClick(benchmark::State& state) {
    levora::ui::Form1& window = preparedWindow();
    for (auto _ : state) {
        window.Command1->click();
        benchmark::DoNotOptimize(window.Label8->Caption());
    }
    if (window.Label6->Caption() != QStringLiteral("609.")) {
        state.SkipWithError("the click did not show the worked example");
    }
}
BENCHMARK(BM_GoClick);

void BM_GoClickPainted(benchmark::State& state) {
    levora::ui::Form1& window = preparedWindow();
    const PaintCounter labelPaints(*window.Label6);
    for (auto _ : state) {
        window.Command1->click();
        // Rendering the panel paints it and its labels at once; a repaint of
        // a window on the offscreen platform would only mark it dirty.
        benchmark::DoNotOptimize(window.Picture3->grab());
    }
    if (labelPaints.paints < static_cast<int>(state.iterations())) {
        state.SkipWithError("the result labels were not painted on every click");
    }
}
BENCHMARK(BM_GoClickPainted);

} // namespace
