#include "levora/toolkit/frame_metrics.h"

#include <QGuiApplication>

#include <array>
#include <optional>

namespace levora::toolkit {

namespace {

std::array<std::optional<FrameMetrics>, 4>& learnt() {
    static std::array<std::optional<FrameMetrics>, 4> frames;
    return frames;
}

std::size_t slot(BorderStyle style) { return static_cast<std::size_t>(style); }

bool hasWindowManager() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

FrameMetrics frameMetrics(BorderStyle style) {
    if (style == BorderStyle::None) {
        return {};
    }
    return learnt()[slot(style)].value_or(DefaultFrame);
}

void learnFrameMetrics(BorderStyle style, const FrameMetrics& reported) {
    if (style == BorderStyle::None || !hasWindowManager()) {
        return;
    }
    learnt()[slot(style)] = reported;
}

void forgetFrameMetrics() { learnt() = {}; }

} // namespace levora::toolkit
