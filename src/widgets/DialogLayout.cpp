#include "widgets/DialogLayout.h"

#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace DialogLayout {

void placeCentred(QWidget *dialog, int outerWidth, int outerHeight)
{
    const QSize outer(Twips::toPixels(outerWidth), Twips::toPixels(outerHeight));
    const QSize frame = dialog->frameGeometry().size() - dialog->size();
    dialog->setFixedSize(outer - frame);
    if (const QScreen *screen = dialog->screen()) {
        QRect placed(QPoint(), outer);
        placed.moveCenter(screen->availableGeometry().center());
        dialog->move(placed.topLeft());
    }
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                 int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (width > 0 && height > 0) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(Twips::rect(left, top, width, height));
    } else {
        label->move(Twips::toPixels(left), Twips::toPixels(top));
        label->adjustSize();
    }
    return label;
}

VistaButton *addButton(QWidget *parent, const char *name, const QString &caption, int left, int top,
                       int width, int height)
{
    auto *button = new VistaButton(QLatin1String(name), parent);
    button->setCaption(caption);
    button->setGeometry(Twips::rect(left, top, width, height));
    return button;
}

} // namespace DialogLayout
