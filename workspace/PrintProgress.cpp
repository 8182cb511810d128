#include "PrintProgress.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace brennvik {

namespace {
// The bar counts in thousandths of the text, so a text of any length fits it.
constexpr int kSteps = 1000;
}  // namespace

PrintProgress::PrintProgress(qsizetype characters, QWidget *parent)
    : QProgressDialog(QStringLiteral("プリントしています。"), QStringLiteral("キャンセル"), 0, kSteps, parent),
      m_characters(std::max<qsizetype>(characters, 1)) {
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowTitle(QStringLiteral("プリント"));
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    show();
    QCoreApplication::processEvents();
}

bool PrintProgress::Printed(int page, qsizetype done) {
    setLabelText(QStringLiteral("%1 ページをプリントしました。").arg(page));
    setValue(int(std::min<qsizetype>(kSteps, done * kSteps / m_characters)));
    QCoreApplication::processEvents();
    return !wasCanceled();
}

}  // namespace brennvik
