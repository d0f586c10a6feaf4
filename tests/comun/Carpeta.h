// A test fixture with a temporary folder of its own, removed after the test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace korvex::pruebas {

class ConCarpeta : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "korvex_prueba_XXXXXX").string();
        dir_ = ::mkdtemp(plantilla.data());
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

}  // namespace korvex::pruebas
