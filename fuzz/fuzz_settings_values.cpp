// The conversions of stored settings text and the split of a preset value. A single written
// as text reads back as the same single, and a preset that splits joins back to its value.
#include "FuzzInput.h"

#include <cmath>
#include <cstring>

#include "collections/PresetTable.h"
#include "core/Settings.h"

namespace {
void checkSingleRoundTrip(float value)
{
    if (!std::isfinite(value))
        return;
    const QString text = Settings::singleToText(value);
    const std::optional<float> back = Settings::textToSingle(text);
    if (!back || *back != value) {
        std::fprintf(stderr, "single %a written as \"%s\" does not read back\n", double(value),
                     qPrintable(text));
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    if (const std::optional<float> single = Settings::textToSingle(text); single && !std::isfinite(*single))
        fuzzFail("a single read as infinite");
    (void)Settings::textToBoolean(text);
    (void)Settings::textToInt16(text);
    (void)Settings::textToInt32(text);
    if (size >= sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        checkSingleRoundTrip(value);
    }

    const PresetRecord preset = PresetTable::parse(text);
    if (preset.Name != PresetTable::kEmptyName && PresetTable::join(preset) != text)
        fuzzFail("preset value does not join back");
    return 0;
}
