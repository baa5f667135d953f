#pragma once

#include <QString>

class PrintJob;

// A page of HTML printed over as many sheets as it needs, on a printer the user chooses or into a PDF
// file that is then opened. Failures are shown as error notices.
class RichTextPrintout {
public:
    RichTextPrintout(const QString &jobName, const QString &html);

    void printToPdf(const QString &path) const;
    void printOnPaper() const;

private:
    void paint(PrintJob &job) const;

    QString m_jobName;
    QString m_html;
};
