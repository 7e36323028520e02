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

    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(lblProduct);
    text->addWidget(Label1);
    text->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 18, 24, 18);
    layout->setSpacing(18);
    layout->addWidget(Picture1);
    layout->addLayout(text, 1);
    Form_Load();
    setFixedSize(sizeHint().expandedTo(QSize(420, 160)));
}

void frmabout::Form_Load() {
    lblProduct->setText(standwise::qs(standwise::product_line()));
}

// Closing only hides the box; whoever showed it brings its own window back.
void frmabout::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
