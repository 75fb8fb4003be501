#include "app/sweeps/frm_members.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_new_member.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

constexpr ListColumn kColumns[] = {{"Name", 3300, Qt::AlignLeft}, {"sort", 0, Qt::AlignLeft}};

// In-place editing of the names: the window may refuse an edit as it begins, and judges the name
// typed before the row takes it. A name too long for its row shows whole as its tooltip.
class LabelEdit : public QStyledItemDelegate {
 public:
  LabelEdit(QObject* parent, std::function<bool()> before, std::function<void(QString&)> after)
      : QStyledItemDelegate(parent), before_(std::move(before)), after_(std::move(after)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!before_()) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    QString text = editor->property("text").toString();
    after_(text);
    model->setData(index, text);
  }

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view).width() - 2 * margin;
    if (item.fontMetrics.horizontalAdvance(item.text) > room)
      QToolTip::showText(event->globalPos(), item.text, view->viewport(), option.rect);
    else
      QToolTip::hideText();
    return true;
  }

 private:
  std::function<bool()> before_;
  std::function<void(QString&)> after_;
};

QTreeWidgetItem* AddMemberRow(QTreeWidget* list, const QString& name, const QString& key) {
  QTreeWidgetItem* row = AddRow(list, {name, key});
  row->setFlags(row->flags() | Qt::ItemIsEditable);
  return row;
}

}  // namespace

// An edit of a name begins, besides F2, with a click on the member already selected once the
// time for a double-click has passed without one: the double-click opens the member, and the
// row must not be left waiting for a new name behind the member's window.
class SlowClickEdit : public QObject {
 public:
  explicit SlowClickEdit(QTreeWidget* list) : QObject(list), list_(list), viewport_(list->viewport()) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
      // Never behind another window that holds the keyboard.
      const QWidget* modal = QApplication::activeModalWidget();
      if (clicked_.isValid() && clicked_ == list_->currentIndex() && (!modal || modal == list_->window()))
        list_->edit(clicked_);
    });
    list->viewport()->installEventFilter(this);
  }

  void Stop() { timer_.stop(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The viewport kept from the start: while the list is taken down it is no scroll area any more.
    if (watched != viewport_) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        timer_.stop();
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = list_->indexAt(mouse->position().toPoint());
        const bool selected = at.isValid() && at == list_->currentIndex() && list_->selectionModel()->isSelected(at);
        clicked_ = mouse->button() == Qt::LeftButton && selected ? at.siblingAtColumn(0) : QModelIndex();
        break;
      }
      case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (clicked_.isValid() && list_->indexAt(mouse->position().toPoint()).row() == clicked_.row())
          timer_.start(QApplication::doubleClickInterval());
        break;
      }
      case QEvent::MouseButtonDblClick:
        timer_.stop();
        clicked_ = QModelIndex();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QTreeWidget* list_;
  const QObject* viewport_;
  // The row clicked, kept only while it is in the list.
  QPersistentModelIndex clicked_;
  QTimer timer_;
};

frmMembers::frmMembers() {
  setObjectName(QStringLiteral("frmMembers"));
  setWindowTitle(QStringLiteral("Members"));
  setFixedSize(250, 300);
  MemberList = Named(new QTreeWidget(this), "MemberList");
  SetUpReportList(MemberList, kColumns);
  MemberList->setGeometry(8, 8, 234, 248);
  MemberList->setSelectionMode(QAbstractItemView::SingleSelection);
  MemberList->setEditTriggers(QAbstractItemView::EditKeyPressed);
  slow_click_ = new SlowClickEdit(MemberList);
  // The names take the list's whole width, whether its vertical scroll bar shows or not; one too
  // long for it is cut short, and shows whole as its tooltip.
  MemberList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  MemberList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemberList->setItemDelegateForColumn(
      0, new LabelEdit(
             this,
             [this] {
               bool allowed = false;
               RunHandler([&] { allowed = MemberList_BeforeLabelEdit(); });
               return allowed;
             },
             [this](QString& name) { RunHandler([&] { MemberList_AfterLabelEdit(0, name); }); }));
  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(167, 266, 75, 26);
  cmdOK->setDefault(true);
  connect(MemberList, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmMembers::MemberList_DblClick));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmMembers::cmdOK_Click));
}

void frmMembers::Form_Load() { LoadMembers(); }

void frmMembers::LoadMembers() {
  MemberList->clear();
  for (const QString& name : sweeps::Names(gobjKelvane->MembersList())) AddMemberRow(MemberList, name, name);
  AddMemberRow(MemberList, QLatin1String(sweeps::kNewRow), QLatin1String(sweeps::kNewRowKey));
}

bool frmMembers::MemberList_BeforeLabelEdit() {
  const QTreeWidgetItem* row = MemberList->currentItem();
  old_text_ = row ? row->text(0) : QString();
  if (old_text_ != QLatin1String(sweeps::kNewRow) && blnSweepChanged) {
    MsgBox(QStringLiteral("Please save or cancel sweep changes before changing member names"), msgbox::Critical);
    return false;
  }
  return true;
}

void frmMembers::MemberList_AfterLabelEdit(int Cancel, QString& NewString) {
  const QString old_text = old_text_;
  if (Cancel == 1 || NewString.isEmpty() || NewString == old_text) return;
  kelvane::IPitchlog& engine = *gobjKelvane;
  const bool adding = old_text == QLatin1String(sweeps::kNewRow);
  if (NewString == QLatin1String(sweeps::kNewRow)) {
    MsgBox(QStringLiteral("Invalid Name"));
    NewString = old_text;
    return;
  }
  // A member's own key in other letter case or spelling is no other member's name.
  if (engine.MemberExists(ToStd(NewString)) &&
      (adding || engine.XMLTagEncode(ToStd(NewString)) != engine.XMLTagEncode(ToStd(old_text)))) {
    MsgBox(QStringLiteral("Name in use"));
    NewString = old_text;
    return;
  }
  QTreeWidgetItem* row = MemberList->currentItem();
  if (!adding) {
    // The member's choices in every sweep move with the name, so both files are saved.
    engine.MemberRename(ToStd(old_text), ToStd(NewString));
    engine.SaveMembers();
    engine.SaveSweeps();
    if (row) row->setText(1, NewString);
    return;
  }
  engine.AddMember(ToStd(NewString));
  engine.SaveMembers();
  if (row) {
    row->setText(0, NewString);
    row->setText(1, NewString);
  }
  AddMemberRow(MemberList, QLatin1String(sweeps::kNewRow), QLatin1String(sweeps::kNewRowKey));
}

void frmMembers::MemberList_DblClick(QTreeWidgetItem* row) {
  if (!row) return;
  slow_click_->Stop();
  if (row->text(0) == QLatin1String(sweeps::kNewRow)) {
    old_text_ = row->text(0);
    frmNewMember::Get().exec();
    return;
  }
  frmMemberDetails::Member = row->text(0);
  frmMemberDetails::Get().exec();
}

void frmMembers::cmdOK_Click() { Unload(); }

void frmMembers::reject() { Unload(); }

void frmMembers::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
