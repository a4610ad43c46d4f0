// The open-file dialog: the file types as the dialog shows them, its place
// on the screen, and the chosen file's path.
#include "platform/open_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStringList>
#include <vector>

#include "platform/services.h"
#include "platform/window_placement.h"

namespace platform {
namespace {

// The fields of a NUL-separated list, up to the empty field that ends it.
std::vector<QString> SplitAtNuls(const std::string& list) {
    std::vector<QString> fields;
    std::string::size_type begin = 0;
    while (begin < list.size()) {
        std::string::size_type end = list.find('\0', begin);
        if (end == std::string::npos) end = list.size();
        if (end == begin) break;
        fields.push_back(QString::fromStdString(list.substr(begin, end - begin)));
        begin = end + 1;
    }
    return fields;
}

// "*.bmp" becomes "*.[bB][mM][pP]": desktops' dialogs compare names with
// letter case, and cameras write PHOTO.JPG.
QString CaseBlind(const QString& pattern) {
    QString blind;
    bool inSet = false;
    for (const QChar c : pattern) {
        if (c == u'[') inSet = true;
        if (c == u']') inSet = false;
        const bool asciiLetter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (asciiLetter && !inSet) {
            blind += u'[';
            blind += c.toLower();
            blind += c.toUpper();
            blind += u']';
        } else {
            blind += c;
        }
    }
    return blind;
}

QStringList Patterns(const QString& field) {
    QStringList patterns;
    for (const QString& raw : field.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = raw.trimmed();
        if (pattern.isEmpty()) continue;
        patterns << CaseBlind(pattern);
        if (pattern.compare(u"*.jpg", Qt::CaseInsensitive) == 0) patterns << CaseBlind(QStringLiteral("*.jpeg"));
    }
    return patterns;
}

// Qt's form, "description (pattern pattern)"; the dialog hides the
// parenthesised details, so the user reads the description alone.
QStringList NameFilters(const std::string& filter) {
    const std::vector<QString> fields = SplitAtNuls(filter);
    QStringList nameFilters;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        const QStringList patterns = Patterns(fields[i + 1]);
        if (patterns.isEmpty()) continue;
        nameFilters << QStringLiteral("%1 (%2)").arg(fields[i], patterns.join(u' '));
    }
    return nameFilters;
}

// Qt's file model writes its dates in the system's language, which no
// setting of the program reaches; the rest of the dialog is Japanese.
class JapaneseDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        static constexpr int kDateColumn = 3;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() != kDateColumn || !files)
            return QIdentityProxyModel::data(index, role);
        return QLocale(QLocale::Japanese, QLocale::Japan)
            .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    }
};

}  // namespace

std::string OpenFileDlg(Services& services, QWidget* owner, const std::string& filter, const std::string& initialDir,
                        const std::string& title) {
    QFileDialog dialog(owner, QString::fromStdString(title), QFile::decodeName(initialDir.c_str()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setProxyModel(new JapaneseDates(&dialog));
    const QStringList nameFilters = NameFilters(filter);
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
        dialog.selectNameFilter(nameFilters.front());
    }

    // The size Qt would give it, kept inside the screen's free area.
    dialog.adjustSize();
    PlaceFittedCentred(&dialog, dialog.size());

    if (services.RunFileDialog(dialog) != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : QFile::encodeName(chosen.front()).toStdString();
}

}  // namespace platform
