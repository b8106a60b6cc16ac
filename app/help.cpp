// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "controls.h"
#include "design.h"
#include "fonts.h"

#include "assets/pictures.h"
#include "game/dial.h"
#include "game/rating.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <memory>
#include <utility>

namespace rakamlik {
namespace {

// The rating of every guess count a game can be rated for, as the board would show it: a pair of
// rows for each column, the guess counts above and the column's title and texts below, each row
// led by its label, so that a screen reader names it. Built from the rules themselves, so the help
// cannot say otherwise than the board. In the board's own size for the rating (8.25 points, 11
// pixels), and with the counts' rows shaded instead of a grid of lines, so that it fits a help
// narrowed beside the board.
QString ratingTable(const std::array<QString, gaugeCount>& titles) {
    std::array<QString, gaugeCount> counts;
    std::array<QString, gaugeCount> texts;
    for (int guesses = 1; guesses <= dialSteps; ++guesses) {
        const Rating r = rating(guesses).value();
        const auto column = static_cast<std::size_t>(r.column);
        counts.at(column) += QStringLiteral("<th>%1</th>").arg(guesses);
        texts.at(column) += QStringLiteral("<td>%1</td>").arg(toQString(r.text).toHtmlEscaped());
    }
    QString table =
        QStringLiteral("<table cellspacing='0' cellpadding='2' style='font-size: 11px'>");
    for (std::size_t column = 0; column < titles.size(); ++column) {
        table += QStringLiteral("<tr bgcolor='#e0e0e0'><th align='left'>Tahmin</th>%1</tr>"
                                "<tr><th align='left'>%2</th>%3</tr>")
                     .arg(counts.at(column), titles.at(column).toHtmlEscaped(), texts.at(column));
    }
    return table + QStringLiteral("</table>");
}

// The page, in the board's own words. `%1` is the rating table.
constexpr auto page = R"(
<h3>Amaç</h3>
<p>Bilgisayar, rakamları birbirinden farklı dört basamaklı bir sayı tutar. Bu gizli sayıyı
olabildiğince az tahminde bulun.</p>

<h3>Tahmin</h3>
<p><b>Yeni</b> düğmesi yeni bir oyun başlatır: bilgisayar bir sayı tutar, defteri ve kadranı
temizler ve <b>Başarılar</b> yazar.</p>
<p>Tahmininizi tuş takımındaki <b>1</b>'den <b>9</b>'a kadar olan düğmelerle ve <b>0</b>
düğmesiyle yazın; rakamlar soldan sağa dört sarı tahmin kutusuna girer. Bastığınız rakamın
düğmesi, tahmin tamamlanana dek gri kalır: bir tahminde her rakam yalnızca bir kez
kullanılabilir. Dördüncü rakam tahmini tamamlar.</p>

<h3>Defter ve işaretler</h3>
<p>Defter son on tahmininizi gösterir, en yenisi en üstte. Her tahminin yanında:</p>
<p><img src='marker:blue'> <b>mavi işaret</b>: doğru yerdeki her rakam için bir tane;<br>
<img src='marker:red'> <b>kırmızı işaret</b>: gizli sayıda olan ama başka bir yerde duran her
rakam için bir tane.</p>
<p>Hiç işaret yoksa tahmininizdeki rakamların hiçbiri gizli sayıda yoktur.</p>

<h3>Kadran</h3>
<p>Kadranın dört göstergesi tahminlerinizi sayar: her tahmin bir göstergeyi bir adım ilerletir;
her göstergede yedi adım vardır. 28 tahminden sonra kadran dolar, ama oyun sürer.</p>

<h3>Kazanılan oyun ve derece</h3>
<p>Dört mavi işaret gizli sayıyı bulduğunuzu gösterir: bilgisayar bip sesi çıkarır ve
<b>tebrikler</b> yazar; tuş takımı ile <b>Bak</b> düğmesi yeni oyuna dek kilitlenir. Kazandığınız
oyun, gizli sayıyı son tahmin de dâhil kaç tahminde bulduğunuza göre bir derece alır; dereceniz,
son tahmininizi sayan göstergenin altında görünür:</p>
%1
<p>28'den fazla tahminde kazandığınız oyun derece almaz.</p>

<h3>Bak düğmesi ve not düğmeleri</h3>
<p><b>Bak</b> düğmesi gizli sayıyı gösterir; oyun sürer.</p>
<p>Sağdaki <b>0</b>'dan <b>9</b>'a kadar olan düğmeler not düğmeleridir. Bir not düğmesine her
tıkladığınızda rengi sırayla camgöbeği, kırmızı ve yeniden siyah olur. Hangi rakamları
elediğinizi, hangilerinin gizli sayıda olduğunu düşündüğünüzü not etmek için kullanın.
<b>Yeni</b> düğmesi hepsini siyaha döndürür.</p>

<h3>Tuşlar</h3>
<table cellspacing='0' cellpadding='2'>
<tr><th align='left'>0'dan 9'a</th><td>Klavyedeki bir rakam tuşu (harflerin üstündeki sırada ya
da sağdaki sayısal tuşlarda) tuş takımında o rakamın düğmesine basar; düğmesi gri görünen
rakamın tuşu hiçbir şey yapmaz.</td></tr>
<tr><th align='left'>Ctrl+N</th><td><b>Yeni</b> düğmesine basar: yeni bir oyun başlar.</td></tr>
<tr><th align='left'>F1</th><td>Bu pencereyi açar. Bu pencere açıkken de oynayabilirsiniz.</td></tr>
<tr><th align='left'>Ctrl+Q</th><td>Oyunu kapatır.</td></tr>
<tr><th align='left'>Tab, Shift+Tab</th><td>Odağı düğmeden düğmeye taşır.</td></tr>
<tr><th align='left'>Boşluk, Enter</th><td>Odaktaki düğmeye basar; kısayol tuşu olmayan
<b>Bak</b> düğmesine ve not düğmelerine böyle basılır.</td></tr>
<tr><th align='left'>Menü tuşu, Shift+F10</th><td>Menüyü açar (pencereye sağ tıklamak da açar):
Yeni oyun, Nasıl oynanır, Hakkında, Çık.</td></tr>
<tr><th align='left'>Esc</th><td>Bu pencereyi kapatır.</td></tr>
</table>

<h3>Ekran okuyucu</h3>
<p>Ekran okuyucu (örneğin Orca) penceredeki düğmeleri, yazıları ve resimleri Türkçe seslendirir.
Her değişiklik olur olmaz seslendirilir: her tahmininizin rakamları ve işaretleri, <b>tebrikler</b> ve
dereceniz, <b>Bak</b> düğmesine basınca gizli sayı, <b>Yeni</b> düğmesine basınca
<b>Başarılar</b>, not düğmesinin yeni rengi.</p>
)";

// Text that a screen reader's reading keys move through: a caret, Tab to leave it, and no menu of
// Qt's own, whose entries would be in English. It has the focus when its window opens. Its lines
// break between words only.
QTextBrowser* readableText(QWidget* parent) {
    auto* text = new QTextBrowser(parent);
    text->setAccessibleName(parent->windowTitle());
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    text->setTabChangesFocus(true);
    text->setWordWrapMode(QTextOption::WordWrap);
    text->setFocus();
    return text;
}

// The buttons under a window's text: "Kapat", which Return presses too, after any others.
QDialogButtonBox* closeButtons(QDialog* window) {
    auto* buttons = new QDialogButtonBox(window);
    QPushButton* close = buttons->addButton(QStringLiteral("Kapat"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, window, &QDialog::reject);
    return buttons;
}

// The narrowest the help is made beside the board, however far its text would reflow.
constexpr int narrowestHelp = 300;

// Where the player plays: the keypad and the guess boxes, in global coordinates.
QRect playedPart(const QWidget* board) {
    QRect part;
    for (const design::Control& control : design::controls()) {
        if (control.role != design::Role::Keypad && control.role != design::Role::Guess) {
            continue;
        }
        if (const auto* widget =
                board->findChild<QWidget*>(QString::fromStdString(design::nameOf(control)))) {
            part |= QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        }
    }
    return part;
}

} // namespace

HelpWindow::HelpWindow(const std::array<QString, gaugeCount>& columnTitles, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Nasıl oynanır"));

    auto* text = readableText(this);
    // A size that reads well beside the board's small print, scaled with the screen like it.
    text->document()->setDefaultFont(fontFor({design::Face::SansSerif, 10.5}));
    // The marks as the ledger shows them.
    for (const auto& [name, blue, red] :
         {std::tuple{"marker:blue", 1, 0}, std::tuple{"marker:red", 0, 1}}) {
        text->document()->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name)),
                                      pictures::marker(blue, red));
    }
    text->setHtml(QString::fromUtf8(page).arg(ratingTable(columnTitles)));
    // No narrower than its text reflows to without sideways scrolling: the widest word or table
    // decides.
    const std::unique_ptr<QTextDocument> laidOut(text->document()->clone());
    laidOut->setTextWidth(0);
    text->setMinimumWidth(qCeil(laidOut->size().width()) + 2 * text->frameWidth() +
                          text->verticalScrollBar()->sizeHint().width());
    QDialogButtonBox* buttons = closeButtons(this);
    connect(buttons->addButton(QStringLiteral("Hakkında"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &HelpWindow::aboutAsked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);

    // Tall enough for a few sections at once, and as wide as reads well; on a small screen it fits
    // and the text scrolls.
    const QSize preferred(560, 640);
    resize(preferred.boundedTo(screen()->availableGeometry().size()));
    if (parent != nullptr) {
        // Not yet framed, the help is taken to get a frame like the board's.
        const QWidget* board = parent->window();
        const QRect frame = board->frameGeometry();
        const QRect inner = board->geometry();
        const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
        setGeometry(helpGeometry(board->screen()->availableGeometry(), frame, playedPart(board),
                                 preferred.grownBy(margins),
                                 std::max(narrowestHelp, minimumSizeHint().width()) +
                                     margins.left() + margins.right())
                        .marginsRemoved(margins));
    }
}

QRect helpGeometry(const QRect& available, const QRect& board, const QRect& kept, QSize preferred,
                   int narrowest) {
    const int gap = 8;
    const int width = std::min(preferred.width(), available.width());
    const int least = std::min(narrowest, width);
    const int height = std::min(preferred.height(), available.height());
    const int top = std::clamp(board.top(), available.top(), available.bottom() + 1 - height);
    const int right = available.right() - board.right() - gap; // the room beside the board
    const int left = board.left() - available.left() - gap;
    if (right >= least && right >= left) {
        return {board.right() + 1 + gap, top, std::min(width, right), height};
    }
    if (left >= least) {
        return {board.left() - gap - std::min(width, left), top, std::min(width, left), height};
    }
    // At one edge of the screen or the other: the one that covers the keypad and the guess boxes
    // least, and then the board.
    const QRect atRight(available.right() + 1 - least, top, least, height);
    const QRect atLeft(available.left(), top, least, height);
    const auto covers = [&](const QRect& help) {
        return std::pair((help & kept).width(), (help & board).width());
    };
    return covers(atLeft) < covers(atRight) ? atLeft : atRight;
}

QDialog* makeAboutBox(QWidget* parent) {
    auto* box = new QDialog(parent);
    box->setObjectName(QStringLiteral("about"));
    box->setWindowTitle(QStringLiteral("Rakamlik hakkında"));
    auto* icon = new QLabel(box);
    icon->setPixmap(pictures::icon().pixmap(64));
    icon->setAlignment(Qt::AlignTop);
    auto* text = readableText(box);
    text->setHtml(
        QStringLiteral(
            "<h3>Rakamlik %1</h3><p>Tek kişilik bir sayı bulmaca oyunu: bilgisayarın tuttuğu, "
            "rakamları birbirinden farklı dört basamaklı gizli sayıyı bulmaya çalışırsınız.</p>"
            "<p>© 2026 Rakamlik geliştiricileri</p>"
            "<p>Bu program özgür yazılımdır: Özgür Yazılım Vakfının yayımladığı GNU Genel Kamu "
            "Lisansı'nın üçüncü sürümünün ya da (isterseniz) daha sonraki herhangi bir sürümünün "
            "koşulları altında onu yeniden dağıtabilir ve değiştirebilirsiniz.</p><p>Bu "
            "program yararlı olacağı umuduyla dağıtılmaktadır, ama HİÇBİR GARANTİSİ YOKTUR; "
            "SATILABİLİRLİK ya da BELİRLİ BİR AMACA UYGUNLUK için zımni garanti bile verilmez. "
            "Ayrıntılar için GNU Genel Kamu Lisansı'na bakın.</p><p>Lisansın tam metni: "
            "<tt>/usr/share/common-licenses/GPL-3</tt></p>")
            .arg(QCoreApplication::applicationVersion()));
    // On the box's grey without a frame, as a message box's text is, and all of it in view.
    text->setFrameShape(QFrame::NoFrame);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    text->setPalette(palette);
    const std::unique_ptr<QTextDocument> laidOut(text->document()->clone());
    laidOut->setTextWidth(440);
    text->setMinimumSize(440, qCeil(laidOut->size().height()) + 2);
    QDialogButtonBox* buttons = closeButtons(box);

    // A dialog of its own rather than a message box, which keeps a fixed size: on Wayland Qt
    // offers to maximise every window, and a compositor that holds a window to its maximised
    // size ends the program of a window that can't take it.
    auto* layout = new QGridLayout(box);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(text, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
    return box;
}

} // namespace rakamlik
