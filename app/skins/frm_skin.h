// The skin chooser dialog: lists the skin folders below the program folder's
// "skins" folder, previews the highlighted one and writes the chosen name into
// options.dat, which the main window reads at its next start.
//
// There is at most one chooser at a time. It has no owner and is not modal,
// so the main window stays usable while it is open. Open it through
// frmSkin::showSingle(); closing it ("Отмена", the close box or after
// "Выбрать") destroys it, and the next showSingle() loads a fresh one.
#pragma once

#include <QString>

class frmSkin {
public:
    // Shows the one chooser. When none is open it creates it, which lists the
    // skin folders afresh (Form_Load); when one is open it only raises and
    // activates it, keeping its list, highlight and preview.
    static frmSkin &showSingle(const QString &programFolder);

    // The open chooser, or nullptr when none is open.
    static frmSkin *openInstance();
};
