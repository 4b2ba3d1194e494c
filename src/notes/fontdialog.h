#pragma once

#include "notes/rtf/charformat.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The font dialog of the notes window: the scalable faces, a style, a size
// of 8 to 32 points (others are refused by the dialog itself), underline
// and strike-out, a colour list, the script, a sample, and OK, Cancel and
// Apply. It keeps a font of its own between uses and always opens on it.
//
// OK takes into its own font the face, size and styles; the script's
// character set when the user chose a script or a face of another name
// (names compared without regard to case); the colour when the user chose
// one. Apply takes the same, but the colour whenever the list has one
// selected and the character set only when the user chose a script.
class FontDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinSize = 8;
    static constexpr int kMaxSize = 32;
    static constexpr const char *kSizeRefused = "Size must be between 8 and 32 points.";

    explicit FontDialog(const CharFormat &initialFont, QWidget *parent = nullptr);

    [[nodiscard]] const CharFormat &dialogFont() const { return font_; }
    // Runs after Apply took the selection, under the error guard: a failure
    // is reported and the dialog stays open.
    void setApplyHandler(std::function<void()> handler) { applyHandler_ = std::move(handler); }
    // Shows the dialog modally on its own font, its controls made the first
    // time; true when the user chose OK.
    [[nodiscard]] bool execute();

    // The Windows character set of a Qt writing system the dialog offers as
    // a script, or nothing for one it does not offer.
    [[nodiscard]] static std::optional<int> charsetOf(int writingSystem);

public slots:
    void accept() override;

private:
    enum class Taking { Ok, Apply };

    void placeBesideWindow();
    void buildOnce();
    void buildControls();
    void layOut();
    void connectControls();
    void showFont(const CharFormat &font);
    void fillScripts(int charset);
    void updateSample();
    void apply();
    [[nodiscard]] bool take(Taking taking);
    [[nodiscard]] std::optional<int> chosenSize() const;
    [[nodiscard]] QString chosenFace() const;

    CharFormat font_;
    std::function<void()> applyHandler_;
    bool colourChosen_ = false;
    bool scriptChosen_ = false;
    bool placed_ = false;

    // Made when the dialog is first opened.
    QLineEdit *faceEdit_ = nullptr;
    QListWidget *faceList_ = nullptr;
    QListWidget *styleList_ = nullptr;
    QLineEdit *sizeEdit_ = nullptr;
    QListWidget *sizeList_ = nullptr;
    QCheckBox *strikeOut_ = nullptr;
    QCheckBox *underline_ = nullptr;
    QComboBox *colour_ = nullptr;
    QComboBox *script_ = nullptr;
    QLabel *sample_ = nullptr;
    QLabel *sizeMessage_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};
