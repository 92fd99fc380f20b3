# Makes small.xls (run with Debian's python3-xlwt): two sheets, text,
# numbers, a date and an empty cell.
import datetime
import xlwt

book = xlwt.Workbook(encoding="utf-8")
data = book.add_sheet("Data")
data.write(0, 0, "Name")
data.write(0, 1, "Qty")
data.write(0, 2, "Date")
data.write(1, 0, "Bolt")
data.write(1, 1, 12)
data.write(1, 2, datetime.date(2026, 12, 11), xlwt.easyxf(num_format_str="YYYY-MM-DD"))
data.write(2, 0, "Nüt")
data.write(2, 1, 2.5)
other = book.add_sheet("Other")
other.write(1, 1, "B2 only")
book.save("small.xls")
