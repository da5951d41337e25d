// A program folder on disk and the skin chooser opened on it, with message
// boxes recorded and the program's end caught instead of taking place.
#pragma once

#include "frm_skin.h"
#include "test_folder.h"

#include "forms/list_box.h"
#include "forms/message_box.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

class ChooserTest : public testing::Test {
protected:
    struct ShownBox {
        forms::MessageBoxRecord box;
        bool chooserStillOpen;
    };

    void SetUp() override;
    void TearDown() override;

    frmSkin &open() { return frmSkin::showSingle(folder.root().toStdU16String()); }
    void closeAndDispose(frmSkin &chooser);

    // skins/<name>/ with a shot.jpg of `shot` (none when null).
    void addSkin(const QString &name, const QImage &shot = QImage()) const;
    static QImage patternPicture(int width, int height, int seed);

    static forms::ListBox &list(frmSkin &chooser);
    static QStringList listed(frmSkin &chooser);
    // As the user does it: a click on the entry.
    static void highlight(frmSkin &chooser, const QString &name);
    static void click(frmSkin &chooser, const char *buttonName);
    // What imgShot shows on screen.
    static QImage shownPreview(frmSkin &chooser);
    static bool previewIsEmpty(frmSkin &chooser);

    TestFolder folder;
    std::vector<ShownBox> boxes;
    std::vector<int> endStatuses;
};
