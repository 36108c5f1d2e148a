// Files dropped on the program's windows: pictures and data files.
#include "shell/app/file_drops.h"

#include <QDropEvent>
#include <QMimeData>

namespace qelt::shell {

namespace {

// The path of the one local file being dragged, or nothing: its bytes as the URL encodes them,
// which need not be UTF-8.
std::string DraggedFile(const QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile() ||
        !urls.constFirst().host().isEmpty()) {
        return {};
    }
    return QByteArray::fromPercentEncoding(urls.constFirst().path(QUrl::FullyEncoded).toLatin1())
        .toStdString();
}

}  // namespace

void FileDrops::Watch(QWidget* window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->acceptDrops()) {
            control->installEventFilter(this);
        }
    }
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const std::string path = DraggedFile(drop);
    if (path.empty()) {
        return QObject::eventFilter(watched, event);  // text still drops into a text box
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        dropped_(path);
    }
    return true;
}

}  // namespace qelt::shell
