// Edit: an object standing for one edit control of a dialog, as the dialog's
// data exchange binds it (DataExchange::BindControl). Unbound, it stands for
// no control and its calls do nothing.
#pragma once

class CDialog;

class CEdit {
  public:
    // Lets the user type into the edit, or greys it out.
    void EnableWindow(bool enable);

  private:
    friend class DataExchange;

    CDialog* m_dialog = nullptr;
    int m_id = 0;
};
