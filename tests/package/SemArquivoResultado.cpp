// The stand-in client writes its result file into the temporary folder under
// the process's number; a test process leaves none of them behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "Cliente.h"

namespace {

class SemArquivoResultado : public ::testing::Environment {
public:
    void TearDown() override {
        Cliente().Reset();
        std::error_code ignorado;
        std::filesystem::remove(Cliente().ResultFilePath(), ignorado);
    }
};

[[maybe_unused]] const auto* const registrado = ::testing::AddGlobalTestEnvironment(new SemArquivoResultado);

}  // namespace
