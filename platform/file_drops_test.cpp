#include "platform/file_drops.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace crank {
namespace {

// A drag entering the widget, then dropped there, as the window delivers
// them: the drop goes to whoever took the drag; then the events that follow.
bool drop(QWidget* on, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &dropped);
    QApplication::processEvents();
    return enter.isAccepted() && dropped.isAccepted();
}

// A file of ours dropped on a box opens it and leaves the box alone; a text
// dropped on a box, or a file of another kind, goes on as before.
TEST(FileDropsTest, AFileOfOursOpensWhereverItIsDropped)
{
    QStringList opened;
    AcceptFileDrops({QStringLiteral("crank")}, [&](const QString& path) { opened.append(path); });
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* label = new QLabel(QStringLiteral("Stroke"), &window);
    auto* lines = new QVBoxLayout(&window);
    lines->addWidget(box);
    lines->addWidget(label);
    window.show();
    EXPECT_TRUE(window.acceptDrops());

    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/Kart B.crank"))});
    file.setText(QStringLiteral("/tmp/Kart B.crank"));
    EXPECT_TRUE(drop(box, file));
    EXPECT_EQ(opened, QStringList{"/tmp/Kart B.crank"});
    EXPECT_EQ(box->text(), QString());
    EXPECT_TRUE(drop(label, file)); // taken by the window around it
    EXPECT_EQ(opened.size(), 2);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/page.pdf"))});
    EXPECT_EQ(DroppedFile(other, {QStringLiteral("crank")}), QString());
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.crank")),
                 QUrl::fromLocalFile(QStringLiteral("/tmp/b.crank"))});
    EXPECT_EQ(DroppedFile(two, {QStringLiteral("crank")}), QString());
    drop(box, other);
    EXPECT_EQ(opened.size(), 2);

    // Under a question waiting for its answer, nothing opens.
    QDialog question(&window);
    question.setModal(true);
    question.show();
    drop(box, file);
    EXPECT_EQ(opened.size(), 2);
}

} // namespace
} // namespace crank
