// What asking the desktop for its contrast preference costs at start-up. Run it as it is (the
// session's own bus and portal, if any), with DBUS_SESSION_BUS_ADDRESS and XDG_RUNTIME_DIR unset
// (no bus: the common case of a bare X session), or under dbus-run-session (a bus, no portal).
#include "platform/native_services.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_ContrastPreference_Ask(benchmark::State& state)
{
    const auto preference = lumo::platform::createContrastPreference();
    for (auto _ : state) {
        benchmark::DoNotOptimize(preference->highContrast());
    }
}
BENCHMARK(BM_ContrastPreference_Ask)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
