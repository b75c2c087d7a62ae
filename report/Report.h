#pragma once
// A reading made ready for paper. The couple's report: a first page naming the couple, the five
// love topics, then the personal analysis of each of the two signs (once when they are the
// same). The personal report: the sign, then its six topics. Every paragraph comes from the
// same builders as the screens' panes, before their pane layout, so the words are the panes'.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QTextDocument;

namespace report {

struct Report {
    QString title;   // "Leo and Scorpio - love analysis": the file name's stem and the PDF's title
    QString subject; // one line on what it is, for the PDF's metadata
    // Fills an empty document; run afresh for every output, since a layout belongs to one device.
    std::function<void(QTextDocument&)> compose;
};

// Nothing for a word that is not exactly a sign name (or gender word).
std::optional<Report> coupleReport(const QString& userSign, const QString& partnerSign,
                                   const QString& partnerGender);
std::optional<Report> personalReport(const QString& sign);

// A new document holding the report, its pictures drawn as vector artwork wherever it is laid
// out (Artwork.h).
std::unique_ptr<QTextDocument> makeDocument(const Report& report);

} // namespace report
