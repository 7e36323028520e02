// PDF files read back as a reader sees them, through poppler's pdftotext: the text of each page and
// where each word stands.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <string>
#include <vector>

namespace standwise::test {

inline std::string pdftotext(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (Debian's poppler-utils) could not read the PDF: "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

/// A line with its blanks run together and trimmed: pdftotext guesses the width of a run of blanks.
inline std::string words_of(const std::string& line) {
    return QString::fromStdString(line).simplified().toStdString();
}

/// The lines of each page that hold text, as words_of gives them (pdftotext -layout).
inline std::vector<std::vector<std::string>> pdf_pages(const std::string& path) {
    std::vector<std::vector<std::string>> pages;
    const QStringList texts =
        QString::fromStdString(
            pdftotext({QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")}))
            .split(QLatin1Char('\f'));
    for (qsizetype i = 0; i + 1 < texts.size(); ++i) {  // every page ends in a form feed
        pages.emplace_back();
        for (const QString& line : texts[i].split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty()) pages.back().push_back(line.simplified().toStdString());
    }
    return pages;
}

struct PdfWord {
    int page;  // from 1
    double x_min, y_min, x_max, y_max;
    std::string text;
};

struct PdfWords {
    double page_width = 0, page_height = 0;
    std::vector<PdfWord> words;
};

/// Every word with its box in points (pdftotext -bbox).
inline PdfWords pdf_words(const std::string& path) {
    static const QRegularExpression page_width(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re"));
    PdfWords result;
    int page = 0;
    for (const QString& line :
         QString::fromStdString(
             pdftotext({QStringLiteral("-bbox"), QString::fromStdString(path), QStringLiteral("-")}))
             .split(QLatin1Char('\n'))) {
        if (const auto m = page_width.match(line); m.hasMatch()) {
            ++page;
            result.page_width = m.captured(1).toDouble();
            result.page_height = m.captured(2).toDouble();
        } else if (const auto w = word.match(line); w.hasMatch()) {
            result.words.push_back({page, w.captured(1).toDouble(), w.captured(2).toDouble(),
                                    w.captured(3).toDouble(), w.captured(4).toDouble(),
                                    w.captured(5).toStdString()});
        }
    }
    return result;
}

}  // namespace standwise::test
