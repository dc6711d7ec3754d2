#include "levora/model_tables.h"

#include "model_data.h"

#include <cstddef>
#include <stdexcept>

namespace levora {
namespace {

std::size_t elasticitySlot(int e) {
    if (e < 0 || e >= ElasticityCount) {
        throw std::out_of_range("elasticity index outside 0..18");
    }
    return static_cast<std::size_t>(e);
}

std::size_t rangeSlot(int i) {
    if (i < 1 || i > RangeCount) {
        throw std::out_of_range("range number outside 1..25");
    }
    return static_cast<std::size_t>(i - 1);
}

} // namespace

std::string_view ElasticityName(int e) { return detail::elasticityNames[elasticitySlot(e)]; }

std::string_view RangeName(int i) { return detail::rangeNames[rangeSlot(i)]; }

std::int32_t RangeIncome(int i) { return detail::rangeIncomes[rangeSlot(i)]; }

double TaxCoefficient(int i, int e) { return detail::taxCoefficients[elasticitySlot(e)][rangeSlot(i)]; }

} // namespace levora
