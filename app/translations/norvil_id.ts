<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Pilih Semu&amp;a</translation>
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
        <translation>Mungkin tidak ada koneksi internet atau server sedang tidak aktif.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nomor versi tidak dapat dibaca</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nomor versi tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Informasi versi tidak ditemukan</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Informasi versi tidak ditemukan.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Periksa pembaruan</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Memeriksa pembaruan…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Versi terbaru telah dirilis.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Buka halaman unduhan?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Buka halaman unduhan</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Nanti saja</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informasi debug ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Versi terbaru “%1” telah dirilis.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Tidak ada versi yang lebih baru.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Anda sudah menggunakan versi terbaru.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Gagal memperoleh informasi versi.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>File yang ditentukan tidak ditemukan.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>URL yang ditentukan tidak ditemukan.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Tidak dapat membuka browser.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Periksa pembaruan</translation>
    </message>
</context>
</TS>
