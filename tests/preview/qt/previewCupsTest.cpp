// Printing from the preview to a real CUPS queue: a private scheduler on its
// own port and folders, a cups-pdf queue as its default printer, and the
// spooled document read back with poppler's tools. The queue is paused, so
// the job stays in the spool and nothing leaves the test's folders.
#include "support/CommandOutput.h"
#include "../previewFixture.h"

#include "platform/forms/Printing.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/testing/QtDesktop.h"
#include "preview/PrinterDialog.h"
#include "preview/frmPpPreview.h"
#include "preview/frmPpPrintSetup.h"
#include "reports/game/modPfPreparePrint.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace fs = std::filesystem;
namespace sim = forms::sim;

namespace {

using testsupport::run;
using testsupport::squeezed;

// A port on the loopback interface that nothing listens on now.
int freePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0) return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

// A CUPS scheduler of the test's own, in the foreground, with every folder
// under `root`; the process's CUPS_SERVER points at it while it lives.
class PrivateCups {
public:
    explicit PrivateCups(const fs::path& root) : root_(root) {
        const char* cupsd = "/usr/sbin/cupsd";
        if (access(cupsd, X_OK) != 0) {
            why_ = "cupsd is not installed (Debian package cups-daemon)";
            return;
        }
        if (access("/usr/lib/cups/backend/cups-pdf", F_OK) != 0) {
            why_ = "the cups-pdf backend is not installed (printer-driver-cups-pdf)";
            return;
        }
        port_ = freePort();
        for (const char* d : {"conf", "spool/tmp", "cache", "state", "log"}) fs::create_directories(root_ / d);
        const std::string r = root_.string();
        std::ofstream(root_ / "conf/cups-files.conf")
            << "ServerRoot " << r << "/conf\nRequestRoot " << r << "/spool\nTempDir " << r << "/spool/tmp\n"
            << "CacheDir " << r << "/cache\nStateDir " << r << "/state\nErrorLog " << r << "/log/error_log\n"
            << "AccessLog " << r << "/log/access_log\nPageLog " << r << "/log/page_log\n"
            << "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSystemGroup root\nFileDevice No\n";
        std::ofstream(root_ / "conf/cupsd.conf")
            << "Listen 127.0.0.1:" << port_ << "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
            << "DefaultAuthType None\nPreserveJobFiles Yes\n"
            << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            << "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
            << "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
        fs::permissions(root_, fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
        const std::string log = r + "/log/cupsd.out";
        pid_ = fork();
        if (pid_ == 0) {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                dup2(fd, 1);
                dup2(fd, 2);
            }
            const std::string conf = r + "/conf/cupsd.conf", files = r + "/conf/cups-files.conf";
            execl(cupsd, "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        server_ = "127.0.0.1:" + std::to_string(port_);
        if (const char* old = std::getenv("CUPS_SERVER")) savedServer_ = old;
        setenv("CUPS_SERVER", server_.c_str(), 1);
        for (int i = 0; i < 100; ++i) {
            if (run("lpstat -r 2>/dev/null").find("scheduler is running") != std::string::npos) return;
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        why_ = "the private cupsd did not start: " + squeezed(run("tail -c 400 '" + log + "'"));
    }
    ~PrivateCups() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (savedServer_) setenv("CUPS_SERVER", savedServer_->c_str(), 1);
        else unsetenv("CUPS_SERVER");
    }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool ok() const { return why_.empty(); }
    const std::string& why() const { return why_; }

    // A cups-pdf queue as the scheduler's default printer, accepting jobs
    // but paused, so they stay in the spool.
    bool addPausedDefaultPdfQueue(const std::string& name) {
        return std::system(("lpadmin -p " + name +
                            " -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null && lpadmin -d " +
                            name + " && cupsdisable " + name)
                               .c_str()) == 0;
    }
    // The document of the first job once it is in the spool ("" after 10 s).
    std::string firstSpooledDocument() const {
        const fs::path doc = root_ / "spool/d00001-001";
        for (int i = 0; i < 100 && !fs::exists(doc); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return fs::exists(doc) ? doc.string() : std::string();
    }

private:
    fs::path root_;
    int port_ = 0;
    pid_t pid_ = -1;
    std::string server_, why_;
    std::optional<std::string> savedServer_;
};

struct Installed {
    explicit Installed(forms::PrintService& s) { forms::setPrintService(&s); }
    ~Installed() { forms::setPrintService(nullptr); }
};

TEST(PreviewCups, PrintsAThreePageReportThroughTheDefaultQueue) {
    qtui::testing::application();
    previewfixture::Folders folders;
    PrivateCups cups(folders.home.path() / "cups");
    if (!cups.ok()) GTEST_SKIP() << "No private CUPS scheduler: " << cups.why();
    ASSERT_TRUE(cups.addPausedDefaultPdfQueue("LumoraPDF"));

    qtui::QtPrintService service; // follows the desktop's default printer
    Installed installed{service};
    forms::doubles::TestDesktop desk;
    reportfixture::makeGame(previewfixture::playersFor(3));
    desk.modal.add<frmPpPreview>([&](frmPpPreview& f) {
        EXPECT_EQ(forms::printer().DeviceName(), "LumoraPDF");
        // The printer dialog lists the queue, chosen, before the PDF file.
        desk.modal.add<PrinterDialog>([](PrinterDialog& d) {
            EXPECT_EQ(d.lstPrinter.ListCount(), 2);
            EXPECT_EQ(d.lstPrinter.List(0), "LumoraPDF");
            EXPECT_EQ(d.lstPrinter.ListIndex(), 0);
            sim::click(d.btnOK);
        });
        sim::click(f.mnuPrint_Setup);
        desk.modal.add<frmPpPrintSetup>([](frmPpPrintSetup& d) { sim::click(d.btnOK); });
        sim::click(f.mnuPrint_Print);
        sim::click(f.mnuEnd);
    });
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_TRUE(desk.messages().empty()) << desk.lastMessage().prompt;

    const std::string doc = cups.firstSpooledDocument();
    ASSERT_FALSE(doc.empty()) << run("lpstat -o 2>&1");
    const std::string info = run("pdfinfo '" + doc + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    for (int n = 1; n <= 3; ++n) {
        const std::string page =
            squeezed(run("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" + doc + "' -"));
        EXPECT_NE(page.find("参加一覧（" + std::to_string(n) + "/3）"), std::string::npos) << n << "\n" << page;
    }
}

} // namespace
