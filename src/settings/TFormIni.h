#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

class QLineEdit;
class QTimer;

namespace Ui {
class TFormIni;
}

// The editor of the settings file and the launch pad for online banking: the banking page opens from
// here, and the user name or password is pasted into it at the user's next click. It has no parent, so
// it appears while the main window is minimised for online banking.
class TFormIni final : public QDialog {
    Q_OBJECT

public:
    // mainWindow: the window the first showing is centred over.
    explicit TFormIni(const QWidget &mainWindow);
    ~TFormIni() override;

    QString IniDatei;    // the settings file
    QString LastRestore; // the backup destination folder
    QString EndDate;     // settings line 9, written back unchanged
    int FTop = 0;        // the main window's top and left, for the placement
    int FLeft = 0;
    bool Abbruch = false; // true when left by "Schliessen"
    // Opened by ButtonBak on the data folder with the last destination; gives the destination the
    // backup window was left with.
    std::function<QString(const QString &dataFolder, const QString &destination)> openBackup;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void ButtonSaveClick();
    void ButtonCloseClick();
    void ButtonPassClick();
    void ButtonUrlClick();
    void ButtonBakClick();
    void ButonUserClick();
    void SpeedButton1Click();
    void TimerMausTimer();

private:
    void FormShow();
    void place();
    void load();
    bool save();
    QStringList fieldLines() const;
    QString firstProblem(const QStringList &lines) const;
    void copyAndArm(QLineEdit &field);

    std::unique_ptr<Ui::TFormIni> ui;
    const QWidget &m_mainWindow;
    QTimer *TimerMaus = nullptr;
    QStringList m_reservedLines; // settings lines 1 to 3 of the last load
    bool m_shownBefore = false;
};
