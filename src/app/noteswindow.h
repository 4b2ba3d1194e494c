#pragma once

#include "app/windowplacement.h"

#include <QMainWindow>

class QTextEdit;

// The notes window: free rich text kept beside the editor. Closing it only
// hides it.
class TForm4 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char *kCaption = "ZOD/IRI Zozevo Notes";

    explicit TForm4(QWidget *parent = nullptr);

    void Save1Click();
    void Font1Click();

    [[nodiscard]] QTextEdit *richEdit() const { return RichEdit1; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTextEdit *RichEdit1;
    FirstShowPlacement placement_{FirstShowPlacement::Area::Desktop, QSize(456, 230)};
};
