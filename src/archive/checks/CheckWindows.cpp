#include "archive/checks/CheckWindows.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

#include "archive/checks/CheckRules.h"
#include "platform/Text.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"

// --- The shared layout --------------------------------------------------------

TCheckWindow::TCheckWindow(QWidget* owner, const Look& look)
    : TForm(owner), maxLength_(look.maxLength), trimUpper_(look.trimUpper) {
    setObjectName(look.objectName);
    setWindowTitle(look.caption);

    imgLogo_ = new QSvgWidget(look.logo, this);
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    imgLogo_->setFixedSize(72, 72);

    lblTitolo_ = new QLabel(look.prompt, this);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setWordWrap(true);
    lblTitolo_->setFixedWidth(450);  // every prompt on one line

    field_ = new QLineEdit(this);
    field_->setObjectName(look.fieldName);
    field_->setMaxLength(look.maxLength);
    field_->setAccessibleName(look.prompt);
    // Fixed pitch: groups of letters and digits are easier to compare.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() + 2);
    field_->setFont(mono);
    lblTitolo_->setBuddy(field_);

    btnControlla_ = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla_->setObjectName(QStringLiteral("btnControlla"));
    btnControlla_->setAccessibleName(QStringLiteral("Controlla"));
    btnChiudi_ = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi_->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi_->setAccessibleName(QStringLiteral("Chiudi"));
    for (QPushButton* b : {btnControlla_, btnChiudi_}) b->setMinimumWidth(96);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(imgLogo_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblTitolo_, 0, 1);
    grid->addWidget(field_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(btnControlla_);
    buttons->addWidget(btnChiudi_);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setTabOrder(field_, btnControlla_);
    setTabOrder(btnControlla_, btnChiudi_);

    if (look.digitsOnly) KeyFilters::digitsOnly(field_);
    KeyFilters::enterTo(field_, btnControlla_);
    connect(field_, &QLineEdit::textEdited, this, &TCheckWindow::fieldTyping);
    connect(btnControlla_, &QPushButton::clicked, this, [this] { btnControllaClick(); });
    connect(btnChiudi_, &QPushButton::clicked, this, &TCheckWindow::btnChiudiClick);

    const QSize size = grid->sizeHint();
    setFixedBorder(size.width(), size.height());
    // A title without buttons: the window closes by its own buttons (or Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen();
}

void TCheckWindow::setNumber(const QString& text) {
    field_->setMaxLength(qMax(maxLength_, int(text.size())));
    field_->setText(text);
}

void TCheckWindow::FormShow() { field_->setFocus(); }

void TCheckWindow::btnChiudiClick() { reject(); }

void TCheckWindow::fieldTyping(const QString&) {
    // Read the field again: the digits-only filter may have cleaned a paste.
    const QString text = field_->text();
    if (trimUpper_) {
        const QString t = Text::upperAZ(Text::trim(text));
        if (t != text) {
            qsizetype lead = 0;
            while (lead < text.size() && text.at(lead).unicode() <= 32) ++lead;
            const int at = qBound(0, field_->cursorPosition() - int(lead), int(t.size()));
            field_->setText(t);
            field_->setCursorPosition(at);
        }
    }
    // A longer text passed in by the card: once the user shortens it, the
    // usual limit holds again.
    if (field_->maxLength() > maxLength_) field_->setMaxLength(qMax(maxLength_, int(field_->text().size())));
}

void TCheckWindow::retry(const QString& warning) {
    Msg::warning(this, warning);
    field_->setFocus();
}

void TCheckWindow::validVerdict(const QString& text) {
    Msg::information(this, text);
    accept();
}

void TCheckWindow::wrongVerdict(const QString& text) {
    Msg::warning(this, text);
    accept();
}

// --- Codice fiscale -----------------------------------------------------------

TfrmCodFisc::TfrmCodFisc(QWidget* owner)
    : TCheckWindow(owner, {QStringLiteral("frmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                           QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                           QStringLiteral("txtCodFisc"), 16, false, true, QStringLiteral(":/img/checks/codfisc.svg")}) {
}

void TfrmCodFisc::btnControllaClick() {
    const QString c = Text::upperAZ(field()->text());
    if (c.size() != 16) {
        retry(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (Checks::codiceFiscaleValid(c))
        validVerdict(QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        wrongVerdict(QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}

// --- Partita IVA --------------------------------------------------------------

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner)
    : TCheckWindow(owner,
                   {QStringLiteral("frmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                    QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                    QStringLiteral("txtPartitaIva"), 11, true, false, QStringLiteral(":/img/checks/partitaiva.svg")}) {}

void TfrmPartitaIva::btnControllaClick() {
    const QString p = field()->text();
    if (p.size() != 11) {
        retry(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!Checks::partitaIvaValid(p)) {
        wrongVerdict(
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                           "ha rilasciato."));
        return;
    }
    const QString code = p.mid(7, 3);
    const QString office = Checks::ufficioIva(code);
    const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
    if (office.isNull())
        validVerdict(valid + QStringLiteral("Il codice ") + code +
                     QStringLiteral(" dell'Ufficio IVA che lo ha rilasciato non è presente nell'elenco degli "
                                    "uffici."));
    else
        validVerdict(valid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office +
                     QStringLiteral("."));
}

// --- IBAN ---------------------------------------------------------------------

TfrmIban::TfrmIban(QWidget* owner)
    : TCheckWindow(owner, {QStringLiteral("frmIban"), QStringLiteral(" Controllo IBAN"),
                           QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                           QStringLiteral("txtIban"), 27, false, true, QStringLiteral(":/img/checks/iban.svg")}) {}

void TfrmIban::btnControllaClick() {
    const QString s = Text::trim(field()->text());
    if (s.size() != 27) {  // an Italian IBAN; blanks inside count
        retry(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (Checks::ibanValid(s))
        validVerdict(QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        wrongVerdict(QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}

// --- Payment card -------------------------------------------------------------

TfrmCarta::TfrmCarta(QWidget* owner)
    : TCheckWindow(owner,
                   {QStringLiteral("frmCarta"), QStringLiteral(" Controllo carta di credito"),
                    QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                    QStringLiteral("txtNumero"), 30, true, true, QStringLiteral(":/img/checks/carta.svg")}) {}

void TfrmCarta::btnControllaClick() {
    const QString n = Text::trim(field()->text());
    if (n.isEmpty()) {
        retry(
            QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
                           "controllo."));
        return;
    }
    const QString d = Checks::cardDigits(n);
    const Checks::CardVerdict verdict = Checks::cardVerdict(d);
    if (verdict == Checks::CardVerdict::Wrong) {
        wrongVerdict(
            QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative al tipo di carta di "
                           "credito."));
        return;
    }
    const QString valid = QStringLiteral("Il numero di carta di credito ") + n + QStringLiteral(" risulta valido.") +
                          QStringLiteral("\r\n\r\n");
    if (verdict == Checks::CardVerdict::UnknownBrand)  // a sound number of a brand the table does not know
        validVerdict(valid + QStringLiteral("Il tipo della carta di credito non è tra quelli riconosciuti."));
    else
        validVerdict(valid + QStringLiteral("La carta di credito è del tipo ") + Checks::cardBrand(d) +
                     QStringLiteral("."));
}
