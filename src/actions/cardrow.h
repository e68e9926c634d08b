#pragma once
// A value of the contact card with what can be done with it: copied whole (a button beside it, the
// value's context menu, or Ctrl+C on the value while nothing in it is selected), and a postal
// address shown on a map. The value stays selectable text that a screen reader reads with its
// caption: the value and its buttons are laid out in the row's layout, so that they are the
// caption's siblings in the form (the caption labels the value).

#include <QObject>

class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;

class CardRow : public QObject {
    Q_OBJECT

public:
    enum class Kind {
        Text,          // read only (a note, the categories)
        Copyable,      // an e-mail address, a number, a web page
        PostalAddress, // copied, and shown on a map
    };

    // caption: the row's caption without the colon ("E-mail (work)"); row: numbers the widgets'
    // names (lblField<row>, cmdCopy<row>, cmdMap<row>). The row lives as long as its value label.
    CardRow(const QString& caption, const QString& value, Kind kind, int row, QWidget* parent);

    // The value and its buttons, for the form's field column.
    QHBoxLayout* layout() const { return m_layout; }
    // The row of a value label (lblField<n>); null for any other widget.
    static CardRow* of(const QWidget* valueLabel);

    QLabel* lblValue = nullptr;
    QToolButton* cmdCopy = nullptr; // none for Kind::Text
    QToolButton* cmdMap = nullptr;  // a postal address only

    // The value's context menu (its own Copy and Select All, then the row's actions).
    QMenu* contextMenu();

    QString value() const { return m_value; }

signals:
    // The value is on the clipboard.
    void copied(const QString& value);
    // A postal address to show on a map.
    void mapRequested(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy();

    QString m_value;
    Kind m_kind;
    QHBoxLayout* m_layout = nullptr;
};
