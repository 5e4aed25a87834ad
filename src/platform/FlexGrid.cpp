#include "FlexGrid.h"

#include "VbError.h"

namespace {

constexpr long kSubscriptOutOfRange = 381;

}  // namespace

FlexGrid::FlexGrid(QObject* parent) : QAbstractTableModel(parent)
{
    celulas_.resize(2);
    for (auto& linha : celulas_)
        linha.resize(cols_);
    larguras_.fill(-1, cols_);
    alinhamentos_.fill(flexAlignGeneral, cols_);
}

void FlexGrid::verificaLinha(int row) const
{
    if (row < 0 || row >= Rows())
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range (row %1)").arg(row));
}

void FlexGrid::verificaColuna(int col) const
{
    if (col < 0 || col >= cols_)
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range (col %1)").arg(col));
}

void FlexGrid::verificaCelula(int row, int col) const
{
    verificaLinha(row);
    verificaColuna(col);
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
    // The top row stays among the rows left: a grid emptied to its header
    // row shows what is added next from the first row.
    const int topo = rows > 1 ? qMin(topRow_, rows - 1) : 1;
    if (topo != topRow_) {
        topRow_ = topo;
        emit TopRowChanged(topo);
    }
}

void FlexGrid::SetCols(int cols)
{
    if (cols < 0)
        throw VbError(kSubscriptOutOfRange, QStringLiteral("Invalid Cols value"));
    beginResetModel();
    cols_ = cols;
    for (auto& linha : celulas_)
        linha.resize(cols_);
    larguras_.resize(cols_, -1);
    alinhamentos_.resize(cols_, flexAlignGeneral);
    col_ = qMin(col_, qMax(0, cols - 1));
    endResetModel();
}

void FlexGrid::SetRow(int row)
{
    verificaLinha(row);
    row_ = row;
}

void FlexGrid::SetCol(int col)
{
    verificaColuna(col);
    col_ = col;
}

void FlexGrid::SetTopRow(int row)
{
    verificaLinha(row);
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
    verificaColuna(col);
    return larguras_[col];
}

void FlexGrid::SetColWidth(int col, int twips)
{
    verificaColuna(col);
    larguras_[col] = twips;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

int FlexGrid::ColAlignment(int col) const
{
    verificaColuna(col);
    return alinhamentos_[col];
}

void FlexGrid::SetColAlignment(int col, int alignment)
{
    verificaColuna(col);
    alinhamentos_[col] = alignment;
}

void FlexGrid::AddItem(const QString& tabSeparated)
{
    QVector<QString> linha(cols_);
    const QStringList partes = tabSeparated.split(u'\t');
    for (int c = 0; c < cols_ && c < partes.size(); ++c)
        linha[c] = partes[c];
    if (celulas_.isEmpty()) {
        // The first row added is the header row, not a row of the table.
        celulas_.append(linha);
        if (cols_ > 0)
            emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
        return;
    }
    const int modelRow = Rows() - 1;
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
