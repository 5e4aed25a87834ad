#include "FlexGrid.h"

#include "VbError.h"

namespace {
constexpr long kSubscriptOutOfRange = 381;
}

FlexGrid::FlexGrid(QObject* parent) : QAbstractTableModel(parent)
{
    celulas_.resize(2);
    for (auto& linha : celulas_)
        linha.resize(cols_);
    larguras_.fill(-1, cols_);
    alinhamentos_.fill(flexAlignGeneral, cols_);
}

void FlexGrid::verificaCelula(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_)
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range (row %1, col %2)").arg(row).arg(col));
}

void FlexGrid::SetRows(int rows)
{
    if (rows < 0)
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Invalid Rows value"));
    beginResetModel();
    celulas_.resize(rows);
    for (auto& linha : celulas_)
        linha.resize(cols_);
    row_ = qMin(row_, qMax(0, rows - 1));
    endResetModel();
}

void FlexGrid::SetCols(int cols)
{
    if (cols < 0)
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Invalid Cols value"));
    beginResetModel();
    cols_ = cols;
    for (auto& linha : celulas_)
        linha.resize(cols_);
    larguras_.resize(cols_);
    alinhamentos_.resize(cols_);
    col_ = qMin(col_, qMax(0, cols - 1));
    endResetModel();
}

void FlexGrid::SetRow(int row)
{
    verificaCelula(row, 0);
    row_ = row;
}

void FlexGrid::SetCol(int col)
{
    verificaCelula(0, col);
    col_ = col;
}

void FlexGrid::SetTopRow(int row)
{
    verificaCelula(row, 0);
    topRow_ = row;
    emit TopRowChanged(row);
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    verificaCelula(row, col);
    return celulas_[row][col];
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    verificaCelula(row, col);
    celulas_[row][col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

int FlexGrid::ColWidth(int col) const
{
    verificaCelula(0, col);
    return larguras_[col];
}

void FlexGrid::SetColWidth(int col, int twips)
{
    verificaCelula(0, col);
    larguras_[col] = twips;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

int FlexGrid::ColAlignment(int col) const
{
    verificaCelula(0, col);
    return alinhamentos_[col];
}

void FlexGrid::SetColAlignment(int col, int alignment)
{
    verificaCelula(0, col);
    alinhamentos_[col] = alignment;
}

void FlexGrid::AddItem(const QString& tabSeparated)
{
    QVector<QString> linha(cols_);
    const QStringList partes = tabSeparated.split(u'\t');
    for (int c = 0; c < cols_ && c < partes.size(); ++c)
        linha[c] = partes[c];
    const int modelRow = qMax(0, Rows() - 1);
    beginInsertRows({}, modelRow, modelRow);
    celulas_.append(linha);
    endInsertRows();
}

void FlexGrid::Clear()
{
    beginResetModel();
    for (auto& linha : celulas_)
        linha.fill(QString());
    endResetModel();
}

int FlexGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax(0, Rows() - 1);
}

int FlexGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant FlexGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return celulas_[index.row() + 1][index.column()];
    if (role == Qt::TextAlignmentRole && alinhamentos_[index.column()] == flexAlignLeftCenter)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant FlexGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < cols_ && Rows() > 0)
        return celulas_[0][section];
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}
