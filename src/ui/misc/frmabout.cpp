#include "ui/misc/frmabout.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "cli/version_info.h"
#include "ui/app_context.h"
#include "ui/misc/pictures.h"
#include "ui/widgets.h"

frmabout::frmabout(standwise::AppContext&) {
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("About Standwise"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(standwise::product_picture());
    Picture1->setAlignment(Qt::AlignTop);

    lblProduct = new QLabel(this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont product = lblProduct->font();
    product.setPointSizeF(product.pointSizeF() * 1.4);
    product.setBold(true);
    lblProduct->setFont(product);

    Label1 = new QLabel(QStringLiteral("For Windows™ 32-bit Environment"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    lblRelease = new QLabel(this);
    lblRelease->setObjectName(QStringLiteral("lblRelease"));
    lblSizes = new QLabel(this);
    lblSizes->setObjectName(QStringLiteral("lblSizes"));
    lblSizes->setTextFormat(Qt::PlainText);
    lblSizes->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(lblProduct);
    text->addWidget(Label1);
    text->addWidget(lblRelease);
    text->addWidget(lblSizes);
    text->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 18, 24, 18);
    layout->setSpacing(18);
    layout->addWidget(Picture1);
    layout->addLayout(text, 1);
    Form_Load();
}

void frmabout::Form_Load() {
    lblProduct->setText(standwise::qs(standwise::product_line()));
    lblRelease->setText(QStringLiteral("Release ") + QString::fromLatin1(standwise::kRelease));
    setFixedSize(sizeHint().expandedTo(QSize(420, 160)));
}

void frmabout::show_battery_source(const std::string& file) {
    lblSizes->setText(
        standwise::qs("Battery sizes: " + (file.empty() ? std::string("the built-in list") : file)));
    // The nested layouts keep their size hints until the whole layout is redone for the new text.
    layout()->invalidate();
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(QSize(420, 160)));
}

// Closing only hides the box; whoever showed it brings its own window back.
void frmabout::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
