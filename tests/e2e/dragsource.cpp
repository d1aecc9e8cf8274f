// SPDX-License-Identifier: MIT
// What a file manager does when a file is dragged out of it: a small window, "drag source",
// that starts dragging the file named on its command line as soon as a mouse button goes down
// on it, offering the file's address and its path as text. Ends when the drag does.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget
{
public:
    explicit DragSource(const QString &file) : m_file(file)
    {
        setWindowTitle(QStringLiteral("drag source"));
        setFixedSize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *offered = new QMimeData;
        offered->setUrls({QUrl::fromLocalFile(m_file)});
        offered->setText(m_file);
        auto *drag = new QDrag(this);
        drag->setMimeData(offered);
        const Qt::DropAction done = drag->exec(Qt::CopyAction);
        // The target may still be asking for the data: the source stays a moment longer.
        QTimer::singleShot(2000, [done] { QApplication::exit(done == Qt::CopyAction ? 0 : 1); });
    }

private:
    QString m_file;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.move(0, 0);
    source.show();
    return app.exec();
}
