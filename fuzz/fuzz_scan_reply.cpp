// The scanner's evaluation of a station-list reply.
#include <fuzzer/FuzzedDataProvider.h>

#include "scanner/ScanStationList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool failed = input.ConsumeIntegralInRange<int>(0, 7) == 0;
    const int status = input.ConsumeBool() ? 200 : input.ConsumeIntegralInRange<int>(0, 999);
    const ScanStationList::Evaluation evaluation = ScanStationList::evaluate(
        QString::fromStdString(input.ConsumeRemainingBytesAsString()), status, failed);
    if (evaluation.outcome != ScanStationList::Outcome::Station)
        (void)ScanStationList::message(evaluation.outcome);
    return 0;
}
