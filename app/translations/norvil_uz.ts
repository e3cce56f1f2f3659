<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Bekor qilish</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Qaytarish</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Kesish</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Nusxalash</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Qoʻ&amp;yish</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Oʻchirish</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Hammasini belgilash</translation>
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
        <translation>Internet aloqasi boʻlmasligi yoki server ishlamayotgan boʻlishi mumkin.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Versiya raqamini oʻqib boʻlmadi</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Versiya raqamini oʻqib boʻlmadi.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versiya maʼlumotlari topilmadi</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versiya maʼlumotlari topilmadi.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Yangilanishlarni tekshirish</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Yangilanishlar tekshirilmoqda…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Yangi versiya chiqarildi.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Yuklab olish sahifasi ochilsinmi?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Sahifani ochish</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Hozir emas</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Nosozliklarni tuzatish maʼlumotlari ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Yopish</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Yangi versiya “%1” chiqarildi.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Yangi versiya yoʻq.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Siz foydalanayotgan versiya eng yangisi.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Versiya maʼlumotlarini olib boʻlmadi.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Koʻrsatilgan fayl topilmadi.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Koʻrsatilgan URL topilmadi.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Brauzerni ochib boʻlmadi.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Yangilanishlarni tekshirish</translation>
    </message>
</context>
</TS>
