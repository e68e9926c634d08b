#pragma once
// The options dialog: the category list and the e-mail preference on the General page, the
// program's name and version on the About page. It keeps no state of its own: every edit goes
// straight to the settings it was given, and its buttons decide what happens to that state — Apply writes it,
// OK writes it and closes, Cancel (Esc) reads the store back and closes, and the close box just
// closes, leaving the edits in memory until the next load.
//
// There is one dialog for the whole program, modeless and without an owner, so that it can stay
// open when the bar is closed. Each showing after it was closed loads it afresh.

#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QStringListModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TabStrip;
class modSettings;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    ~frmOptions() override;

    // The dialog while it is loaded, or nullptr.
    static frmOptions* instance();
    // Shows the one dialog: loads it on these settings when it is not loaded, otherwise brings it
    // to the front. The settings outlive the dialog. bookCategories: the categories the address
    // book uses, offered as completions in the name box (those the list holds already left out).
    static frmOptions* showDialog(modSettings& settings, const QStringList& bookCategories = {});
    void setBookCategories(const QStringList& categories);

    // "v<major>.<minor>" of the program's version.
    static QString versionText();
    // The note under the preference.
    static QString noteText();

    // Controls, under their designed names.
    TabStrip* tbsOptions = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;
    std::array<QWidget*, 2> picOptions{}; // the General and the About page
    QGroupBox* fraSample1 = nullptr;
    QCheckBox* chkCheckEmailAddresses = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QGroupBox* fraCats = nullptr;
    QListWidget* lstCats = nullptr;
    QPushButton* cmdAddCat = nullptr;
    QLineEdit* txtNewCat = nullptr;
    QPushButton* cmdDeleteCat = nullptr;
    QGroupBox* fraSample2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;

    // Handlers.
    void Form_Load();
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void tbsOptions_Click();
    void chkCheckEmailAddresses_Click();
    void txtNewCat_Change();
    void cmdAddCat_Click();
    void lstCats_Click();
    void cmdDeleteCat_Click();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Lists categories 1 … N of the array (entry 0 is not a category), each in alphabetical place.
    void fillCategoryList(const QStringList& categories);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit frmOptions(modSettings& settings);

    void buildControls();
    void buildGeneralPage();
    void buildAboutPage();
    void wireControls();
    void addToList(const QString& name);
    // The completions offered: the book's categories the list does not hold yet.
    void updateCompletions();
    QString selectedCategory() const;
    void centreOnScreen();
    void Form_Unload();
    // Runs a handler; a failure of the settings store is reported and the dialog stays as it is.
    void guarded(void (frmOptions::*handler)());

    modSettings& m_settings;
    QStringList m_bookCategories;
    QStringListModel* m_completions = nullptr;
};
