#pragma once
#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QLabel;

namespace veltrano {

// "Change font" for the note: family, style, size, effects and colour in one
// dialog. Every family offers all four styles (the system draws a bold or
// italic face a family lacks), including a family that is only an alias,
// like the desktop's default "Sans Serif".
class NoteFontDialog final : public QDialog {
    Q_OBJECT
public:
    explicit NoteFontDialog(QWidget *parent = nullptr);

    // What the dialog opens with: the font and colour at the caret.
    void setChoice(const QFont &font, const QColor &colour);
    QFont chosenFont() const;
    QColor chosenColour() const;

    QComboBox *familyBox() const { return m_family; }
    QComboBox *styleBox() const { return m_style; }
    QComboBox *sizeBox() const { return m_size; }
    QComboBox *colourBox() const { return m_colour; }
    QCheckBox *strikeOutBox() const { return m_strikeOut; }
    QCheckBox *underlineBox() const { return m_underline; }

private:
    void createControls();
    void showSample();
    // The colour's entry in the colour box, added as "Custom" when it is
    // none of the named ones.
    int colourEntry(const QColor &colour);

    QComboBox *m_family = nullptr;
    QComboBox *m_style = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_colour = nullptr;
    QCheckBox *m_strikeOut = nullptr;
    QCheckBox *m_underline = nullptr;
    QLabel *m_sample = nullptr;
};

} // namespace veltrano
