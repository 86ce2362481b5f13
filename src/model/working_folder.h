#pragma once

#include <QString>
#include <QStringView>

// The folder that holds the data files: the current directory when the program starts,
// taken once and kept for the whole run.
//
// Data files are named as the working folder followed by a name that begins with a
// backslash ("\Tolmera10.dat"). Such a name is turned into a path of this system in one
// place, dataFilePath(), which writes every backslash as '/', the separator Qt accepts on
// every platform.

// The names of the data files and sub-folders, appended to the working folder.
namespace DataFileNames {
inline constexpr char16_t Settings[] = u"\\Tolmera10.dat";
inline constexpr char16_t Norms[] = u"\\Tolmera10.nor";
inline constexpr char16_t Station[] = u"\\Tolmera10.sto";
inline constexpr char16_t CalibrationGas[] = u"\\Tolmera10.pgs";
inline constexpr char16_t TextFolder[] = u"\\Text";
inline constexpr char16_t GraphFolder[] = u"\\Graph";
// The files saved when the program was ended from outside with unsaved work, one path a
// line, told to the user at the next start (WorkRecovery).
inline constexpr char16_t RecoveryNote[] = u"\\recovered.lst";
} // namespace DataFileNames

class WorkingFolder {
public:
    // The working folder for the given current directory. A root directory ends with a
    // separator ("C:\", "C:/", "/"); that separator is dropped ("C:", "C:", ""), so that
    // appending a name that begins with a separator gives a single one.
    static QString folderFor(const QString &currentDirectory);

    // The working folder the program uses: the current directory, taken now.
    static WorkingFolder takeCurrent();

    explicit WorkingFolder(const QString &currentDirectory);

    const QString &text() const { return folder_; }

    // The working folder followed by a backslash name such as DataFileNames::Settings,
    // as a path of this system.
    QString filePath(QStringView backslashName) const;

    // Creates the sub-folders "\Text" and "\Graph" when missing. Returns true when both
    // exist afterwards.
    bool createSubfolders() const;

private:
    QString folder_;
};

// folder + backslashName with every backslash written as '/'.
QString dataFilePath(const QString &folder, QStringView backslashName);
