// CommDlg puts the Save As dialog behind properties: fill them in, call Action, then read
// FileName, FileTitle and DlgResult. The font, colour and help properties only store values.
#pragma once

#include <QString>
#include <cstdint>

namespace guheng::dialogs {

class CommDlg {
  public:
    bool Bold() const { return m_Bold; }
    void setBold(bool value) { m_Bold = value; }
    QString DefaultExt() const { return m_DefaultExt; }
    void setDefaultExt(const QString& value) { m_DefaultExt = value; }
    QString DialogTitle() const { return m_DialogTitle; }
    void setDialogTitle(const QString& value) { m_DialogTitle = value; }
    QString FileName() const { return m_FileName; }
    void setFileName(const QString& value) { m_FileName = value; }
    QString FileTitle() const { return m_FileTitle; }
    void setFileTitle(const QString& value) { m_FileTitle = value; }
    QString Filter() const { return m_Filter; }
    void setFilter(const QString& value) { m_Filter = value; }
    std::int32_t FilterIndex() const { return m_FilterIndex; }
    void setFilterIndex(std::int32_t value) { m_FilterIndex = value; }
    std::int32_t flags() const { return m_flags; }
    void setFlags(std::int32_t value) { m_flags = value; }
    QString FontName() const { return m_FontName; }
    void setFontName(const QString& value) { m_FontName = value; }
    std::int32_t FontSize() const { return m_FontSize; }
    void setFontSize(std::int32_t value) { m_FontSize = value; }
    std::int32_t HelpCommand() const { return m_HelpCommand; }
    void setHelpCommand(std::int32_t value) { m_HelpCommand = value; }
    QString HelpFile() const { return m_HelpFile; }
    void setHelpFile(const QString& value) { m_HelpFile = value; }
    QString HelpKey() const { return m_HelpKey; }
    void setHelpKey(const QString& value) { m_HelpKey = value; }
    QString InitDir() const { return m_InitDir; }
    void setInitDir(const QString& value) { m_InitDir = value; }

    // Shows the Save As dialog, whatever the code, and returns when it is closed.
    void Action(int mAction);

    bool Italic() const { return m_Italic; }
    void setItalic(bool value) { m_Italic = value; }
    std::int32_t Owner() const { return m_Owner; }
    void setOwner(std::int32_t value) { m_Owner = value; }
    std::int32_t RGBResult() const { return m_RGBResult; }
    void setRGBResult(std::int32_t value) { m_RGBResult = value; }
    bool StrikeThru() const { return m_StrikeThru; }
    void setStrikeThru(bool value) { m_StrikeThru = value; }
    bool Underline() const { return m_Underline; }
    void setUnderline(bool value) { m_Underline = value; }

  private:
    QString m_FileName;
    QString m_FileTitle;
    std::int32_t m_Owner = 0;
    QString m_DialogTitle;
    QString m_Filter;
    QString m_InitDir;
    QString m_DefaultExt;
    std::int32_t m_FilterIndex = 0;
    std::int32_t m_flags = 0;
    QString m_HelpFile;
    std::int32_t m_HelpCommand = 0;
    QString m_HelpKey;
    std::int32_t m_RGBResult = 0;
    bool m_Italic = false;
    bool m_Underline = false;
    bool m_StrikeThru = false;
    QString m_FontName;
    std::int32_t m_FontSize = 0;
    bool m_Bold = false;
};

} // namespace guheng::dialogs
