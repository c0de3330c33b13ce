#pragma once
#include <QByteArray>
#include <QByteArrayView>

class QTextCursor;

namespace veltrano::rtf {

// Collects one \pict group: its format, sizes and data, given as hex digits or
// \bin bytes.
class RtfPicture {
public:
    enum class Format { None, Png, Jpeg, Unsupported };

    void start();
    void setFormat(Format format) { m_format = format; }
    // Picture size words (\picwgoal, \picscalex, ...); the pixel size comes from the data.
    void setGoalWidth(int twips) { m_goalWidth = twips; }
    void setGoalHeight(int twips) { m_goalHeight = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }
    void addHex(QByteArrayView digits);
    void addBinary(QByteArrayView bytes) { m_data.append(bytes); }

    // Inserts the picture at the cursor as an image resource of the cursor's
    // document. False when it is of a kind the editor cannot show or its data
    // is not a readable image; nothing is inserted then.
    bool insertAt(QTextCursor &cursor, int serial) const;

private:
    Format m_format = Format::None;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    int m_pendingNibble = -1;
    QByteArray m_data;
};

} // namespace veltrano::rtf
