#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QVector>

// The flexible grid: cell texts, current row and column, widths in twips,
// alignments, AddItem with tab-separated text. It works without any window;
// a QTableView shows it as a model (row 0 is the fixed header row).
class FlexGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Alinhamento { flexAlignLeftTop = 0, flexAlignLeftCenter = 1, flexAlignGeneral = 9 };

    explicit FlexGrid(QObject* parent = nullptr);

    int Rows() const { return celulas_.size(); }
    // Fewer rows bring the top row back among them.
    void SetRows(int rows);
    int Cols() const { return cols_; }
    void SetCols(int cols);
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    int SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(int mode) { selectionMode_ = mode; }

    QString Text() const { return TextMatrix(row_, col_); }
    void SetText(const QString& text) { SetTextMatrix(row_, col_, text); }
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);

    void AddItem(const QString& tabSeparated);
    // Empties every cell; rows and columns stay.
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void TopRowChanged(int row);

private:
    void verificaLinha(int row) const;
    void verificaColuna(int col) const;
    void verificaCelula(int row, int col) const;

    QVector<QVector<QString>> celulas_;
    QVector<int> larguras_;
    QVector<int> alinhamentos_;
    int cols_ = 2;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 1;
    int selectionMode_ = 0;
};
