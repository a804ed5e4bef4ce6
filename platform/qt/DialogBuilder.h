// DialogBuilder: turns a dialog template into the widgets of a QDialog.
//
// Every control becomes a child of the dialog at its template position,
// converted to pixels from the dialog font's metrics; the controls keep the
// template's tab order, styles and texts, and each gets an accessible name
// (an edit takes the text of its group box and of the label beside it, such
// as "コピー元 タイトル") so that screen readers find and drive it.
#pragma once

#include <QIcon>
#include <vector>

#include "platform/DialogTemplate.h"

class QAbstractButton;
class QDialog;
class QWidget;

// The controls of one built dialog, in template order.
class DialogControls {
  public:
    struct Entry {
        int id;
        QWidget* widget;
    };

    void Add(int id, QWidget* widget) { m_entries.push_back(Entry{id, widget}); }

    // Returns the control with identifier id, or nullptr when there is none.
    QWidget* Item(int id) const;

    // Returns the radio buttons of the group that starts at firstId, in
    // order; empty when firstId is not a radio button.
    std::vector<QAbstractButton*> RadioGroup(int firstId) const;

    const std::vector<Entry>& Entries() const { return m_entries; }

  private:
    std::vector<Entry> m_entries;
};

// Gives dialog the template's caption, font and fixed client size and creates
// its controls; icon controls show icon. The first tab stop takes the focus.
// Returns the controls created.
DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& form, const QIcon& icon);
