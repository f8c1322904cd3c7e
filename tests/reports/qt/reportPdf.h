#pragma once
#include <gtest/gtest.h>

#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/CommandOutput.h"
#include "support/TempHome.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Reports printed into a real PDF file through the Qt print service, read
// back with poppler's tools.
namespace reportpdf {

using testsupport::run;
using testsupport::squeezed;

// The PDF file that the test's prints go to; kept in $LUMORA_SCREENSHOTS,
// named after the test, for people to look at.
class ReportPdf : public testing::Test {
protected:
    ReportPdf() { qtui::testing::application(); }
    ~ReportPdf() override {
        if (const char* dir = std::getenv("LUMORA_SCREENSHOTS"); dir && std::filesystem::exists(pdf)) {
            const auto* info = testing::UnitTest::GetInstance()->current_test_info();
            std::filesystem::copy_file(pdf, std::filesystem::path(dir) / (std::string(info->name()) + ".pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    // The text of page n, squeezed.
    std::string page(int n) const {
        return squeezed(run("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" + pdf + "' -"));
    }
    std::string info() const { return run("pdfinfo '" + pdf + "'"); }

    testsupport::TempHome home;
    forms::doubles::TestDesktop desk;
    std::string pdf = home.file("report.pdf");
    qtui::QtPrintService service{pdf};
    struct Install {
        explicit Install(forms::PrintService& s) { forms::setPrintService(&s); }
        ~Install() { forms::setPrintService(nullptr); }
    } install{service};
};

} // namespace reportpdf
