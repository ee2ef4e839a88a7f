// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "mainwindow/form1.h"

#include <cstring>

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QResource>

#include "about/form2.h"
#include "calc/calc.h"
#include "choices.h"
#include "pixels.h"
#include "platform/a11y/accessibility.h"
#include "platform/a11y/announcer.h"
#include "platform/controls/font.h"
#include "platform/controls/language.h"
#include "platform/controls/legible.h"
#include "platform/qtfixes/screenfit.h"
#include "ui_form1.h"

namespace {

// The artwork comes pre-rendered at 1x and 2x; the 2x image keeps it sharp on scaled screens. Only for
// speed, it is stored as decoded pixels: reading the same pictures as PNG files costs 2.3 % more of
// the start-up instructions (about 2M, in libpng), for 0.4 % less peak memory (bench/run).
QPixmap Artwork(const QString &name, qreal devicePixelRatio)
{
    const bool doubled = devicePixelRatio > 1.0;
    const QResource resource(
        QStringLiteral(":/images/%1%2.pixels").arg(name, doubled ? QStringLiteral("@2x") : QString()));
    pixels::Header header {};
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < qint64(sizeof header))
        return {};
    std::memcpy(&header, resource.data(), sizeof header);
    const auto [width, height, format, bytesPerLine] = header;
    const QImage image(resource.data() + sizeof header, int(width), int(height), qsizetype(bytesPerLine),
        static_cast<QImage::Format>(format));
    if (resource.size() != qint64(sizeof header) + qint64(bytesPerLine) * height || image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return pixmap;
}

// The raised "2" of kg/m2 and what follows it stand where the design puts them after "kg/m", shifted
// by what a translation adds to or takes from its width.
void FollowUnit(const QLabel *unit, const char *source, std::initializer_list<QLabel *> after)
{
    const QFontMetrics metrics = unit->fontMetrics();
    const int shift
        = metrics.horizontalAdvance(unit->text()) - metrics.horizontalAdvance(QString::fromUtf8(source));
    for (QLabel *label : after)
        label->move(label->x() + shift, label->y());
}

QIcon WindowIcon()
{
    QIcon icon;
    for (const char *name : { "somatra-16", "somatra-32" }) {
        icon.addPixmap(Artwork(QLatin1String(name), 1.0));
        icon.addPixmap(Artwork(QLatin1String(name), 2.0));
    }
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : Form1(parent, DesignStateOnly {})
{
    ConnectHandlers();
    Form_Load();
}

Form1::Form1(QWidget *parent, DesignStateOnly)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Form1>())
{
    platform::InstallAccessibility();
    // Before the first text is set, so that every caption comes in the person's language.
    platform::InstallTranslations();
    // Set before the controls exist, so they all inherit the font the fixed layout is sized for.
    setFont(platform::DialogFont());
    m_ui->setupUi(this);
    // The hidden lists hold the texts that the options record, with no entry selected.
    for (const choices::Choice &choice : choices::kChoices)
        (m_ui.get()->*choice.list)
            ->addItem(QString::fromUtf8(choice.listItem ? choice.listItem : choice.recorded));
    for (QComboBox *list : { m_ui->Combo1, m_ui->Combo2, m_ui->Combo3, m_ui->Combo4 })
        list->setCurrentIndex(-1);
    m_ui->Label49->SetRange(calc::kScaleOrigin, calc::kScaleEnd);
    FollowUnit(m_ui->Label5, "kg/m", { m_ui->Label27 });
    FollowUnit(m_ui->Label41, "BMI (kg/m", { m_ui->Label43, m_ui->Label44 });
    platform::DescribePositionsInGroups(this);

    setWindowIcon(WindowIcon());
    const qreal ratio = devicePixelRatioF();
    m_ui->Image1->setPixmap(Artwork(QStringLiteral("warning"), ratio));
    m_ui->Image2->setPixmap(Artwork(QStringLiteral("tick"), ratio));
    m_ui->Label25->setText(MakerNotice());
    platform::AdaptToDesktop(this);

    // Tab index 0 takes the focus when the window opens; the chain alone would start at the first
    // control created.
    m_ui->Text2->setFocus();

    // A fixed layout: the client area keeps its design size and the user cannot resize the window.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    platform::ScrollWhenLargerThanScreen(this);
}

Form1::~Form1()
{
    // The focus moves while the windows and their controls go: nothing here follows it any more.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete m_about;
}

std::unique_ptr<Form1> Form1::InDesignState(QWidget *parent)
{
    return std::unique_ptr<Form1>(new Form1(parent, DesignStateOnly {}));
}
