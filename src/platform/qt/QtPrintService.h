#pragma once
#include "platform/forms/Printing.h"

#include <QString>

#include <map>
#include <vector>
#include <memory>
#include <string>

class QImage;
class QThreadPool;

namespace qtui {

// Text measured as printed: fonts unhinted at a reference resolution of
// 1440 dots per inch (one dot a twip), sizes in points as given (not rounded
// to screen pixels). Lines break at CR LF only, as the renderer breaks them.
class DocumentMetrics : public forms::FontMetrics {
public:
    DocumentMetrics();
    ~DocumentMetrics() override;
    double textWidth(const forms::Font& font, std::string_view text) override;
    double textHeight(const forms::Font& font, std::string_view text) override;

private:
    struct Cached;
    Cached& metricsOf(const forms::Font& font);
    std::unique_ptr<QImage> reference_;
    std::vector<std::unique_ptr<Cached>> cache_;
};

// The print service of the program: documents on the chosen printer (the
// desktop's default CUPS printer, or a PDF file when there is none or when
// the user chooses one) through Qt's paged devices, and pictures in memory.
// A PDF target has A4 paper with margins of 240 twips on every side and
// 600 dots per inch; every document of one print job goes into one file.
class QtPrintService : public forms::PrintService {
public:
    // Follows the desktop's default printer; a PDF file in the documents
    // folder when there is none.
    QtPrintService();
    // Prints into the PDF file `pdfPath` (tests, and a chosen PDF target).
    explicit QtPrintService(const std::string& pdfPath);
    ~QtPrintService() override;
    QtPrintService(const QtPrintService&) = delete;
    QtPrintService& operator=(const QtPrintService&) = delete;

    // Chooses a printer by name, or a PDF file (empty printer name).
    void choosePrinter(const std::string& printerName) override;
    void choosePdf(const std::string& path) override;
    std::vector<std::string> printerNames() override;
    std::string chosenPrinter() override;
    std::string chosenPdf() override;

    forms::FontMetrics& documentMetrics() override { return metrics_; }
    std::string deviceName() override;
    forms::PageArea pageArea(const forms::PageSetup& setup) override;
    void followDefaultPrinter() override;
    std::unique_ptr<forms::Device> openDocument() override;
    void beginJob() override;
    bool endJob() override;
    std::unique_ptr<forms::PictureDevice> openPicture(int widthPixels, int heightPixels) override;

    // The open print session: one paged device and its painter.
    class Session;

private:
    friend class DocumentDevice;
    void documentEnded();
    std::unique_ptr<Session> newSession();
    QThreadPool* helpers();
    void knowDefault();

    DocumentMetrics metrics_;
    QString printer_;  // empty: the PDF file
    QString pdfPath_;
    QString chosenPrinter_, chosenPdf_;
    bool lookUpDefault_ = false;
    int jobs_ = 0;
    std::unique_ptr<Session> session_;
    std::map<std::pair<std::string, int>, forms::PageArea> areas_;
    std::unique_ptr<QThreadPool> helpers_;
};

} // namespace qtui
