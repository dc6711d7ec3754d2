// Runs the worked example through the embedded engine; exits 0 when it gives
// the expected texts.
#include <levora/estimation_request.h>

#include <cstdio>

namespace {

bool exampleMatches() {
    const auto outcome = levora::requestEstimation("100", 14, 8);
    if (outcome.rejected() || !outcome.estimation || !*outcome.estimation) {
        std::puts("the example was not estimated");
        return false;
    }
    const levora::Estimation& result = outcome.estimation->value();
    std::printf("%s %s %s\n", result.BurdenText.c_str(), result.ProgressivityText.c_str(),
                result.RedistributionText.c_str());
    return result.BurdenText == "609." && result.ProgressivityText == "1124 hppm." &&
           result.RedistributionText == "172 hppm.";
}

} // namespace

int main() {
    try {
        return exampleMatches() ? 0 : 1;
    } catch (...) {
        std::puts("the engine threw");
        return 1;
    }
}
