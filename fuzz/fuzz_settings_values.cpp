// The conversions of stored settings text and the split of a preset value. A single written
// as text reads back as the same single, and a preset that splits joins back to its value.
#include "FuzzInput.h"

#include "collections/PresetTable.h"
#include "core/Settings.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    if (const std::optional<float> single = Settings::textToSingle(text); single && !std::isfinite(*single))
        fuzzFail("a single read as infinite");
    (void)Settings::textToBoolean(text);
    (void)Settings::textToInt16(text);
    (void)Settings::textToInt32(text);
    float value = 0;
    if (size >= sizeof value)
        std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value) && Settings::textToSingle(Settings::singleToText(value)) != value)
        fuzzFail("a single written as text does not read back");

    const PresetRecord preset = PresetTable::parse(text);
    if (preset.Name != PresetTable::kEmptyName && PresetTable::join(preset) != text)
        fuzzFail("preset value does not join back");
    return 0;
}
