// The random-action test of the whole program, one ctest test per seed.
//
// KORVEX_MONO_ACCIONES: actions of the whole run, shared among the seeds
// (20 000 by default); KORVEX_MONO_SEMILLA: run that seed alone, with all
// the actions. A failure prints the command that replays it.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdlib>

#include "comun/Ayudas.h"
#include "monkey/Mono.h"

namespace korvex::pruebas {
namespace {

std::vector<unsigned> Semillas() {
    if (const char* s = std::getenv("KORVEX_MONO_SEMILLA"); s != nullptr && *s != '\0') {
        return {static_cast<unsigned>(std::strtoul(s, nullptr, 10))};
    }
    return {1, 2, 3, 5, 8, 13, 21, 34};
}

int Acciones() {
    const char* a = std::getenv("KORVEX_MONO_ACCIONES");
    const int total = a != nullptr && *a != '\0' ? std::atoi(a) : 20000;
    return std::max(1, total / static_cast<int>(Semillas().size()));
}

class Semilla : public ::testing::TestWithParam<unsigned> {
  protected:
    void TearDown() override { Mensajes::ModoPrueba(true); }
};

TEST_P(Semilla, AccionesAlAzarSinFallos) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString carpeta = QDir(dir.path()).filePath(QString("mono-%1").arg(GetParam()));
    ASSERT_TRUE(QDir().mkpath(carpeta));
    QElapsedTimer reloj;
    reloj.start();
    Mono mono(GetParam(), Acciones(), carpeta, KORVEX_EJEMPLOS);
    const std::string fallo = mono.Correr();
    EXPECT_EQ(fallo, "");
    std::printf("Mono: semilla %u, %d acciones en %.1f s (%d con resultados, %d reinicios)\n",
                GetParam(), mono.Hechas(), reloj.elapsed() / 1000.0, mono.ConResultados(),
                mono.Reinicios());
    EXPECT_EQ(mono.Hechas(), Acciones());
}

INSTANTIATE_TEST_SUITE_P(Mono, Semilla, ::testing::ValuesIn(Semillas()));

}  // namespace
}  // namespace korvex::pruebas
