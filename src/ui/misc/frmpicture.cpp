#include "ui/misc/frmpicture.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "ui/app_context.h"
#include "ui/misc/pictures.h"
#include "ui/widgets.h"

frmpicture::frmpicture(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmpicture"));
    setWindowTitle(QStringLiteral("Printed Circuit Board Types"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Label3 = standwise::heading_label(QStringLiteral("Example Card"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    picPTHSMT = new QLabel(this);
    picPTHSMT->setObjectName(QStringLiteral("picPTHSMT"));
    picPTHSMT->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label1 = new QLabel(QStringLiteral("MKI  - Plated Through Hole (PTH) Card"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("MKII - Surface Mount Technology (SMT) Card"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmpicture::cmdExit_Click);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &frmpicture::cmdExit_Click);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->addWidget(Label3, 0, 0, 1, 2);
    grid->addWidget(picPTHSMT, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Label1, 2, 0, Qt::AlignHCenter);
    grid->addWidget(Label2, 2, 1, Qt::AlignHCenter);
    grid->addWidget(cmdExit, 3, 1, Qt::AlignRight);
    for (int column : {0, 1}) {
        grid->setColumnMinimumWidth(column, standwise::kCardHalfWidth);
        grid->setColumnStretch(column, 1);
    }
    Form_Load();
}

void frmpicture::Form_Load() {
    picPTHSMT->setPixmap(standwise::example_cards_picture());
}

void frmpicture::cmdExit_Click() {
    hide();
}

// Closed with its close box the window is discarded; the next use builds it again.
void frmpicture::closeEvent(QCloseEvent* event) {
    event->accept();
    ctx_.discard_picture();
}
