// The port numbering, looked up at every opening of a port and 16 times as "Comm" opens: the rule
// alone on a machine full of adapters, and the whole reading of this machine (QSerialPortInfo,
// /dev/serial/by-id, the program folder's links).
#include <benchmark/benchmark.h>

#include "Application_Bench.h"
#include "logger/Numerotation_Ports.h"
#include "logger/Ports_Systeme.h"

namespace {

void BM_Regle_Numerotation(benchmark::State& state) {
    QList<Numerotation_Ports::Peripherique> peripheriques;
    QList<Numerotation_Ports::Lien_Par_Id> par_id;
    for (int i = 0; i < state.range(0); ++i) {
        const QString chemin = QStringLiteral("/dev/ttyUSB%1").arg(i);
        peripheriques.append({chemin, QStringLiteral("FT232R USB UART")});
        par_id.append(
            {QStringLiteral("usb-FTDI_FT232R_USB_UART_A%1-if00-port0").arg(997 * i % 9973),
             chemin});
    }
    peripheriques.append({QStringLiteral("/dev/ttyS0"), {}});
    for (auto _ : state)
        benchmark::DoNotOptimize(Numerotation_Ports::Numeroter(peripheriques, par_id, {}));
}
BENCHMARK(BM_Regle_Numerotation)->Arg(4)->Arg(32)->Unit(benchmark::kMicrosecond);

void BM_Numerotation_Du_Poste(benchmark::State& state) {
    Application_Bench();  // QSerialPortInfo wants an application object, as the program has
    for (auto _ : state)
        benchmark::DoNotOptimize(Ports_Systeme::Numeroter());
}
BENCHMARK(BM_Numerotation_Du_Poste)->Unit(benchmark::kMillisecond);

}  // namespace
