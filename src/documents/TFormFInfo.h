#pragma once

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TFormFInfo;
}

// One document's name, folder, size and full path; a click on the path opens the document.
class TFormFInfo final : public QDialog {
    Q_OBJECT

public:
    explicit TFormFInfo(QWidget *parent = nullptr);
    ~TFormFInfo() override;

    // Fills the labels for the document at path, shown in the list as shownName.
    void setDocument(const QString &path, const QString &shownName);
    // Opens a document in one of our own windows when it can (true), else the desktop opens it.
    std::function<bool(const QString &path)> ownViewer;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void LabelLinkClick();

private:
    void openOnDesktop() const;
    void showElided(const QString &labelName, const QString &text);

    std::unique_ptr<Ui::TFormFInfo> ui;
    QString m_link;
};
