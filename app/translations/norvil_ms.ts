<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Buat asal</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Buat se&amp;mula</translation>
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
        <translation>&amp;Tampal</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Pa&amp;dam</translation>
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
        <translation>Mungkin tiada sambungan Internet atau pelayan sedang tergendala.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nombor versi tidak dapat dibaca</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nombor versi tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Maklumat versi tidak ditemui</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Maklumat versi tidak ditemui.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Semak kemas kini</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Menyemak kemas kini…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Versi terkini telah dikeluarkan.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Buka halaman muat turun?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Buka halaman muat turun</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Bukan &amp;sekarang</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Maklumat nyahpepijat ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Versi terkini “%1” telah dikeluarkan.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Tiada versi yang lebih baharu.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Anda sedang menggunakan versi terkini.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Gagal mendapatkan maklumat versi.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Fail yang ditentukan tidak ditemui.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>URL yang ditentukan tidak ditemui.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Tidak dapat membuka pelayar.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Semak kemas kini</translation>
    </message>
</context>
</TS>
