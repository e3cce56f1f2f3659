<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Cắt</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Chọn &amp;tất cả</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Có thể bạn chưa kết nối Internet hoặc máy chủ không hoạt động.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Không thể đọc số phiên bản</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Không thể đọc số phiên bản.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Không tìm thấy thông tin phiên bản</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Không tìm thấy thông tin phiên bản.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Đang kiểm tra cập nhật…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Đã phát hành phiên bản mới nhất.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Bạn có muốn mở trang tải xuống không?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Mở trang tải xuống</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Để &amp;sau</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Thông tin gỡ lỗi ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>Đón&amp;g</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Đã phát hành phiên bản mới nhất “%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Không có phiên bản mới hơn.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Bạn đang dùng phiên bản mới nhất.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Không thể lấy thông tin phiên bản.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Không tìm thấy tệp được chỉ định.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Không tìm thấy URL được chỉ định.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Không thể mở trình duyệt.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Kiểm tra cập nhật</translation>
    </message>
</context>
</TS>
